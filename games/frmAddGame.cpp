#include "games/frmAddGame.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTreeView>

#include "games/GameLists.h"
#include "ui/BusyCursor.h"
#include "ui/HandicapSummary.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/RecordList.h"
#include "ui/fields/RecordTableModel.h"

namespace parlow::games {
namespace {

std::string Text(const QLineEdit* field) {
    return field->text().toStdString();
}

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

std::string Text(const QComboBox* list) {
    return list->currentIndex() < 0 ? std::string() : list->currentText().toStdString();
}

}  // namespace

frmAddGame::frmAddGame(QWidget* parent) : frmAddGame(GameScreen::Entry, parent) {}

frmAddGame::frmAddGame(GameScreen screen, QWidget* parent) : QWidget(parent), screen_(screen) {
    const bool edit = screen == GameScreen::Edit;
    parlow::OpenPuttIfAny();
    setWindowTitle(edit ? "Edit Game Records" : "Add New Game Record");
    CreateControls();
    LayOut();
    SetTabOrder();
    ApplyFieldBehaviour();
    LoadGolfers();
    LoadCourses();
    if (edit) {
        lblHeading->setText("Edit Game Record");
        CreateGameList();
    }
    parlow::RefillOnWrite(this, parlow::RecordKind::Golfers,
                          [this] { RefillGolfersKeepingChoice(); });
    parlow::RefillOnWrite(this, parlow::RecordKind::Courses,
                          [this] { RefillCoursesKeepingChoice(); });
    ShowLogo();
    datBox->setDate(QDate::currentDate());

    connect(cboBox[kGolferName], &QComboBox::currentIndexChanged, this,
            [this](int entry) { ChooseGolfer(entry); });
    // A golfer chosen from the open list moves on to the date; one reached
    // with the arrow keys on the closed list does not, so the next arrow
    // still works there (Enter moves on as in every field).
    cboBox[kGolferName]->installEventFilter(this);
    connect(cboBox[kGolferName], &QComboBox::activated, this, [this] {
        if (!golferKeyed_) {
            datBox->setFocus(Qt::OtherFocusReason);
        }
    });
    connect(datBox, &parlow::TypedDateEdit::CalendarDayClicked, this,
            [this] { txtBox[0]->setFocus(Qt::OtherFocusReason); });
    connect(cmdSave, &QPushButton::clicked, this, &frmAddGame::Save);
    connect(cmdClear, &QPushButton::clicked, this, &frmAddGame::Clear);
    connect(cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

bool frmAddGame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboBox[kGolferName]) {
        if (event->type() == QEvent::KeyPress) {
            golferKeyed_ = true;
        } else if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut) {
            golferKeyed_ = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmAddGame::LoadGolfers() {
    const char* const columns[] = {"FullName", "GolferID", "Category", "Handicap"};
    const auto rows = ReadRows([](zeviza::Putt& putt) { return putt.LoadGolferList(); }, columns);
    for (QComboBox* list : cboBox) {
        list->clear();
    }
    for (const QStringList& golfer : rows) {
        for (int list = 0; list < kGolferLists; ++list) {
            cboBox[list]->addItem(golfer.value(list));
        }
    }
    for (QComboBox* list : cboBox) {
        list->setCurrentIndex(-1);
    }
}

void frmAddGame::LoadCourses() {
    parlow::BusyCursor busy;
    clubRows->SetRows(
        ReadRows([](zeviza::Putt& putt) { return putt.LoadClubList(); }, CourseListFields()));
}

// The hidden lists follow the shown one (ChooseGolfer); the focus stays.
void frmAddGame::RefillGolfersKeepingChoice() {
    const QString id = QString::fromStdString(Text(cboBox[kGolferID]));
    LoadGolfers();
    cboBox[kGolferName]->setCurrentIndex(id.isEmpty() ? -1 : cboBox[kGolferID]->findText(id));
}

void frmAddGame::RefillCoursesKeepingChoice() {
    parlow::RefillKeepingChoice(
        lvClub, lblID->text(), [this] { LoadCourses(); },
        [this](const QModelIndex& row) { ShowCourse(clubRows->Row(row.row())); },
        [this] { ClearCourse(); });
}

void frmAddGame::ShowLogo() {
    const QPixmap logo(
        QString::fromStdString((parlow::ProgramFolder() / "images" / "kw-logo02.gif").string()));
    if (!logo.isNull()) {
        picLogo->setPixmap(logo);
    }
}

void frmAddGame::ChooseCourse(const QModelIndex& index) {
    const QStringList row = clubRows->Row(index.row());
    if (row.isEmpty()) {
        return;
    }
    ShowCourse(row);
    cboBox[kGolferName]->setFocus(Qt::OtherFocusReason);
}

// The city is shown in the list only.
void frmAddGame::ShowCourse(const QStringList& row) {
    lblID->setText(row[kCourseIdColumn]);
    lblClub->setText(row[kCourseNameColumn]);
    lblTees->setText(row[kCourseTeesColumn]);
    for (int hole = 0; hole < kHoles; ++hole) {
        lblPar[hole]->setText(row[CourseParColumn(hole)]);
        lblCap[hole]->setText(row[CourseHCapColumn(hole)]);
    }
    lblOut->setText(row[kCourseOutColumn]);
    lblIn->setText(row[kCourseInColumn]);
    lblFWays->setText(row[kCourseFWaysColumn]);
    for (int type = 0; type < kParTypes; ++type) {
        lblParCount[type]->setText(row[kCoursePar3sColumn + type]);
    }
    ShowCourseHandicap();
    cboBox[kGolferName]->setFocus(Qt::OtherFocusReason);
}

// The hidden lists follow the shown one, whichever way it changed.
void frmAddGame::ChooseGolfer(int entry) {
    for (int list = kGolferID; list < kGolferLists; ++list) {
        cboBox[list]->setCurrentIndex(entry);
    }
    ShowCourseHandicap();
}

void frmAddGame::ShowCourseHandicap() {
    parlow::BusyCursor busy;
    lblCourseHandicap->setText(QString::fromStdString(parlow::CourseHandicapText(
        cboBox[kGolferID]->currentText().toStdString(), lblID->text().toStdString())));
}

GameEntry frmAddGame::Entry() const {
    GameEntry entry;
    for (int hole = 0; hole < kHoles; ++hole) {
        entry.hole[hole] = Text(txtBox[hole]);
    }
    entry.out = Text(txtPar[kOut]);
    entry.in = Text(txtPar[kIn]);
    for (int partner = 0; partner < kPartners; ++partner) {
        entry.partnerName[partner] = Text(txtBox[kFirstPartnerName + partner]);
        entry.partnerScore[partner] = Text(txtBox[kFirstPartnerScore + partner]);
    }
    for (int count = 0; count < kDetailCounts; ++count) {
        entry.detail[count] = Text(statBox[count]);
    }
    return entry;
}

// Writes back what the unplayed-nine questions set.
void frmAddGame::ShowEntry(const GameEntry& entry) {
    for (int hole = 0; hole < kHoles; ++hole) {
        txtBox[hole]->setText(QString::fromStdString(entry.hole[hole]));
    }
    txtPar[kOut]->setText(QString::fromStdString(entry.out));
    txtPar[kIn]->setText(QString::fromStdString(entry.in));
}

CourseCard frmAddGame::Course() const {
    CourseCard course;
    course.ClubID = Text(lblID);
    course.ClubName = Text(lblClub);
    course.Tees = Text(lblTees);
    for (int hole = 0; hole < kHoles; ++hole) {
        course.par[hole] = Text(lblPar[hole]);
        course.hcap[hole] = Text(lblCap[hole]);
    }
    course.ParOut = Text(lblOut);
    course.ParIn = Text(lblIn);
    course.TotalFWays = Text(lblFWays);
    course.Par3s = Text(lblParCount[kPar3]);
    course.Par4s = Text(lblParCount[kPar4]);
    course.Par5s = Text(lblParCount[kPar5]);
    return course;
}

GolferChoice frmAddGame::Golfer() const {
    return {Text(cboBox[kGolferName]), Text(cboBox[kGolferID]), Text(cboBox[kGolferCategory]),
            Text(cboBox[kGolferHandicap])};
}

std::chrono::year_month_day frmAddGame::GameDate() const {
    const QDate date = datBox->date();
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(static_cast<unsigned>(date.month())),
                                       std::chrono::day(static_cast<unsigned>(date.day()))};
}

QWidget* frmAddGame::FieldFor(GameFocus focus) const {
    switch (focus.control) {
        case GameControl::CourseList:
            return lvClub;
        case GameControl::GolferList:
            return cboBox[kGolferName];
        case GameControl::DatePicker:
            return datBox;
        case GameControl::TxtBox:
            return focus.index >= 0 && focus.index < kTextBoxCount ? txtBox[focus.index] : nullptr;
        case GameControl::TxtPar:
            return focus.index == kOut || focus.index == kIn ? txtPar[focus.index] : nullptr;
        case GameControl::StatBox:
            return focus.index >= 0 && focus.index < kDetailCounts ? statBox[focus.index] : nullptr;
        default:
            return nullptr;
    }
}

// The lists keep their rows; a course row still highlighted is no choice
// until it is chosen again.
void frmAddGame::Clear() {
    parlow::BusyCursor busy;
    datBox->setDate(QDate::currentDate());
    for (auto* field : txtBox) {
        field->clear();
    }
    for (auto* fields : {&txtPar, &boxScore}) {
        for (QLineEdit* field : *fields) {
            field->clear();
        }
    }
    for (QLineEdit* field : statBox) {
        field->clear();
    }
    ClearCourse();
    for (QLabel* label : lblParScore) {
        label->clear();
    }
    for (QComboBox* list : cboBox) {
        list->setCurrentIndex(-1);
    }
    if (screen_ == GameScreen::Edit) {
        ForgetGame();
        lvGame->setFocus(Qt::OtherFocusReason);
    } else {
        lvClub->setFocus(Qt::OtherFocusReason);
    }
}

void frmAddGame::ClearCourse() {
    for (auto* labels : {&lblPar, &lblCap}) {
        for (QLabel* label : *labels) {
            label->clear();
        }
    }
    for (QLabel* label : {lblOut, lblIn, lblFWays, lblID, lblClub, lblTees, lblCourseHandicap}) {
        label->clear();
    }
    for (QLabel* label : lblParCount) {
        label->clear();
    }
}

}  // namespace parlow::games

// The controls of the game entry screen and where they sit: the course list
// and the golfer, course and date rows on the left, the scorecard on the
// right, the detail counts and score totals under both, the partners, logo
// and buttons at the bottom.
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "games/GameLists.h"
#include "games/frmAddGame.h"
#include "ui/ScreenHeading.h"
#include "ui/fields/RecordTableModel.h"
#include "ui/fields/TypedDateEdit.h"

namespace parlow::games {
namespace {

struct DetailLook {
    const char* caption;
    const char* tooltip;
};

const std::array<DetailLook, kDetailCounts> kDetails = {{
    {"FWays Missed Left", " Fairways missed to the left "},
    {"FWays Missed Right", " Fairways missed to the right "},
    {"Greens Missed Left", " Greens missed to the left "},
    {"Greens Missed Right", " Greens missed to the right "},
    {"Greens Missed Long", " Greens missed long "},
    {"Greens Missed Short", " Greens missed short "},
    {"Putts Missed Left", " Putts missed to the left of the hole "},
    {"Putts Missed Right", " Putts missed to the right of the hole "},
    {"Putts Missed Long", " Putts past the hole "},
    {"Putts Missed Short", " Putts that didn't reach the hole "},
    {"Sand Saves",
     " Pars/Birdies/Eagles made after being in sand trap in regulation for the hole "},
    {"Up && Downs",
     " Pars/Birdies/Eagles made after being off the green in regulation for the hole "},
    {"Total Putts", " Total putts for the game. This is used to figure your putting average "},
    {"Long Drive", " Longest drive for this game that stopped in the fairway "},
    {"Aces", " Holes-In-One on Par 3 and Par 4 holes "},
    {"Double Eagles", " Net double eagles (3 under Par) on Par 5 holes "},
    {"Eagles", " NET eagles made "},
    {"Birdies", " Net birdies made "},
    {"Pars", " Net pars made "},
    {"Bogies", "Net bogies made "},
    {"Dbl Bogies", "Net double bogies made "},
    {"Trip Bogies", " Net triple bogies made "},
    {"Quad Bogies", " Net quadruple bogies made "},
    {"Others", " Net Hole scores greater than 4 over Par "},
}};

constexpr int kDetailsPerColumn = 6;
constexpr int kTotalPutts = 12;
constexpr int kLongDrive = 13;
// Digits of width per course list column: "Course Name" about three par
// columns wide, the par and handicap columns narrow.
constexpr int kParChars = 6;

const QColor kParBlue(0, 0, 255);
const QColor kHandicapRed(255, 0, 0);

QLabel* NewLabel(const QString& text, QWidget* parent, const char* tooltip = nullptr) {
    auto* label = new QLabel(text, parent);
    if (tooltip != nullptr) {
        label->setToolTip(tooltip);
    }
    return label;
}

// A course value of the scorecard: centred, in its colour.
QLabel* NewCardValue(QWidget* parent, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QLabel* NewHiddenValue(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->hide();
    return label;
}

// A shown course value, framed so that an empty one still shows its place.
QLabel* NewShownValue(QWidget* parent, int chars) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance('M') * chars);
    return label;
}

QLineEdit* NewNumberField(QWidget* parent, int chars, int limit = 0) {
    auto* field = new QLineEdit(parent);
    field->setAlignment(Qt::AlignCenter);
    if (limit > 0) {
        field->setMaxLength(limit);
    }
    field->setFixedWidth(field->fontMetrics().horizontalAdvance('0') * chars + 14);
    return field;
}

std::vector<int> CourseColumnChars() {
    std::vector<int> chars(kCourseListColumnCount, kParChars);
    chars[kCourseIdColumn] = 6;
    chars[kCourseNameColumn] = 3 * kParChars;
    chars[kCourseTeesColumn] = 8;
    chars[kCourseCityColumn] = 12;
    return chars;
}

}  // namespace

void frmAddGame::CreateControls() {
    lblHeading = parlow::NewHeading("Add New Game Record", this);
    lblHeading->setToolTip(" All scores entered below for this game should be NET scores ");
    clubRows = new parlow::RecordTableModel(CourseListHeadings(), this);
    lvClub = NewRecordView(clubRows, CourseColumnChars(), this);
    lvClub->setToolTip(" Click to select course ");
    lvClub->setMinimumWidth(fontMetrics().horizontalAdvance('0') * 60);

    lblGolfer = NewLabel("Golfer", this);
    for (QComboBox*& list : cboBox) {
        list = new QComboBox(this);
        list->hide();
    }
    cboBox[kGolferName]->show();
    cboBox[kGolferName]->setToolTip(" Select Golfer ");
    cboBox[kGolferName]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboBox[kGolferName]->setMinimumContentsLength(22);
    lblDate = NewLabel("Date: ", this);
    datBox = new parlow::TypedDateEdit(this);
    datBox->setCalendarPopup(true);
    datBox->setDateRange(QDate(2000, 1, 1), QDate(9999, 12, 31));
    datBox->setDisplayFormat("MM/dd/yyyy");
    datBox->setToolTip(" Date game was played ");

    CreateCourseValues();
    CreateScoreFields();

    picLogo = new QLabel(this);
    cmdSave = new QPushButton("&Save", this);
    cmdClear = new QPushButton("&Clear", this);
    cmdExit = new QPushButton("e&Xit", this);
}

void frmAddGame::CreateCourseValues() {
    lblClub = NewShownValue(this, 16);
    lblTees = NewShownValue(this, 6);
    lblTees->setToolTip(" Tees played from on selected course ");
    lblCourseHandicap = NewShownValue(this, 12);
    lblCourseHandicap->setObjectName("lblCourseHandicap");
    lblCourseHandicap->setToolTip(" The golfer's Course Handicap here at the estimated index ");
    for (int hole = 0; hole < kHoles; ++hole) {
        lblPar[hole] = NewCardValue(this, kParBlue);
        lblCap[hole] = NewCardValue(this, kHandicapRed);
        if (hole % 2 == 0) {
            lblCap[hole]->setToolTip(" Stroke allowed based on Golfer's handicap ");
        }
    }
    lblOut = NewCardValue(this, kParBlue);
    lblIn = NewCardValue(this, kParBlue);
    lblID = NewHiddenValue(this);
    lblFWays = NewHiddenValue(this);
    for (int type = 0; type < kParTypes; ++type) {
        lblParCount[type] = NewHiddenValue(this);
        lblParScore[type] = NewHiddenValue(this);
    }
}

void frmAddGame::CreateScoreFields() {
    for (int hole = 0; hole < kHoles; ++hole) {
        lblHole[hole < 9 ? hole : hole + 1] = NewLabel(QString::number(hole + 1), this);
        txtBox[hole] = NewNumberField(this, 3);
        if (hole % 2 == 0) {
            txtBox[hole]->setToolTip(" Net score for this hole ");
        }
    }
    lblHole[9] = NewLabel("Out", this);
    lblHole[19] = NewLabel("In", this);
    for (QLabel* number : lblHole) {
        number->setAlignment(Qt::AlignCenter);
    }
    txtPar[kOut] = NewNumberField(this, 3);
    txtPar[kOut]->setToolTip(" Net score for Front 9 holes ");
    txtPar[kIn] = NewNumberField(this, 3);
    txtPar[kIn]->setToolTip(" Net score for Back 9 holes ");

    for (int count = 0; count < kDetailCounts; ++count) {
        lblStats[count] = NewLabel(kDetails[count].caption, this);
        const int limit = count == kTotalPutts || count == kLongDrive ? 3 : 2;
        statBox[count] = NewNumberField(this, 3, limit);
        statBox[count]->setToolTip(kDetails[count].tooltip);
        // As its field's buddy the caption shows "&&" as one ampersand.
        lblStats[count]->setBuddy(statBox[count]);
    }
    lblScore = NewLabel("Score", this);
    lblNet = NewLabel("Net", this);
    lblGross = NewLabel("Gross", this);
    boxScore[kNet] = NewNumberField(this, 4, 3);
    boxScore[kNet]->setToolTip(" Score after handicap applied to gross score ");
    boxScore[kGross] = NewNumberField(this, 4, 3);
    boxScore[kGross]->setToolTip(" Gross (actual) score ");

    for (int partner = 0; partner < kPartners; ++partner) {
        lblPartner[partner] = NewLabel("Playing Partner", this);
        txtBox[kFirstPartnerName + partner] = new QLineEdit(this);
        txtBox[kFirstPartnerName + partner]->setMaxLength(kPartnerNameLimit);
        txtBox[kFirstPartnerName + partner]->setToolTip(" Playing partner's name ");
        txtBox[kFirstPartnerName + partner]->setMinimumWidth(fontMetrics().horizontalAdvance('M') *
                                                             18);
        lblPartnerScore[partner] = NewLabel("Score", this);
        txtBox[kFirstPartnerScore + partner] = NewNumberField(this, 3);
        txtBox[kFirstPartnerScore + partner]->setToolTip(" Score for playing partner ");
    }
}

namespace {

// One nine of the scorecard, four rows: hole numbers, pars, handicaps, scores.
void AddNine(QGridLayout* card, int top, int firstHole, QLabel* totalCaption, QLabel* totalPar,
             QLineEdit* total, frmAddGame& screen) {
    const char* const scoreTip = " Enter the NET score for each hole ";
    QWidget* parent = &screen;
    card->addWidget(NewLabel("Hole", parent), top, 0);
    card->addWidget(NewLabel("Par", parent), top + 1, 0);
    card->addWidget(NewLabel("HCap", parent), top + 2, 0);
    card->addWidget(NewLabel("Score", parent, scoreTip), top + 3, 0);
    for (int at = 0; at < 9; ++at) {
        const int hole = firstHole + at;
        card->addWidget(screen.lblHole[hole < 9 ? hole : hole + 1], top, at + 1);
        card->addWidget(screen.lblPar[hole], top + 1, at + 1);
        card->addWidget(screen.lblCap[hole], top + 2, at + 1);
        card->addWidget(screen.txtBox[hole], top + 3, at + 1, Qt::AlignCenter);
    }
    card->addWidget(totalCaption, top, 10);
    card->addWidget(totalPar, top + 1, 10);
    card->addWidget(total, top + 3, 10, Qt::AlignCenter);
}

QGridLayout* DetailColumns(frmAddGame& screen) {
    auto* details = new QGridLayout;
    details->setHorizontalSpacing(6);
    details->setVerticalSpacing(3);
    for (int count = 0; count < kDetailCounts; ++count) {
        const int column = 2 * (count / kDetailsPerColumn);
        const int row = count % kDetailsPerColumn;
        details->addWidget(screen.lblStats[count], row, column, Qt::AlignRight | Qt::AlignVCenter);
        details->addWidget(screen.statBox[count], row, column + 1);
    }
    // Net above Gross under the heading "Score", at the right of the counts.
    const int column = 2 * (kDetailCounts / kDetailsPerColumn) + 1;
    details->setColumnMinimumWidth(column - 1, 12);
    details->addWidget(screen.lblScore, 0, column + 1, Qt::AlignCenter);
    details->addWidget(screen.lblNet, 1, column, Qt::AlignRight | Qt::AlignVCenter);
    details->addWidget(screen.boxScore[kNet], 1, column + 1);
    details->addWidget(screen.lblGross, 2, column, Qt::AlignRight | Qt::AlignVCenter);
    details->addWidget(screen.boxScore[kGross], 2, column + 1);
    return details;
}

QGridLayout* PartnerRows(frmAddGame& screen) {
    auto* partners = new QGridLayout;
    partners->setVerticalSpacing(3);
    for (int partner = 0; partner < kPartners; ++partner) {
        partners->addWidget(screen.lblPartner[partner], partner, 0);
        partners->addWidget(screen.txtBox[kFirstPartnerName + partner], partner, 1);
        partners->addWidget(screen.lblPartnerScore[partner], partner, 2);
        partners->addWidget(screen.txtBox[kFirstPartnerScore + partner], partner, 3);
    }
    return partners;
}

}  // namespace

void frmAddGame::LayOut() {
    auto* choice = new QGridLayout;
    choice->addWidget(lblGolfer, 0, 0);
    choice->addWidget(cboBox[kGolferName], 0, 1, 1, 3);
    choice->addWidget(NewLabel("Course", this), 1, 0);
    choice->addWidget(lblClub, 1, 1, 1, 3);
    choice->addWidget(NewLabel("Tees", this, " Tees played from on selected course "), 2, 0);
    choice->addWidget(lblTees, 2, 1);
    choice->addWidget(lblDate, 2, 2, Qt::AlignRight | Qt::AlignVCenter);
    choice->addWidget(datBox, 2, 3);
    choice->addWidget(NewLabel("Course Handicap", this), 3, 0);
    choice->addWidget(lblCourseHandicap, 3, 1, 1, 3);
    choice->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(lvClub, 1);
    left->addLayout(choice);

    auto* card = new QGridLayout;
    card->setHorizontalSpacing(4);
    card->setVerticalSpacing(2);
    AddNine(card, 0, 0, lblHole[9], lblOut, txtPar[kOut], *this);
    card->setRowMinimumHeight(4, 10);
    AddNine(card, 5, 9, lblHole[19], lblIn, txtPar[kIn], *this);
    card->setRowStretch(9, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addSpacing(12);
    top->addLayout(card);

    auto* brand = new QVBoxLayout;
    brand->addWidget(picLogo, 0, Qt::AlignCenter);
    auto* name = NewLabel("The Parlow's Log", this);
    QFont font = name->font();
    font.setBold(true);
    name->setFont(font);
    brand->addWidget(name, 0, Qt::AlignCenter);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdSave, cmdClear, cmdExit}) {
        button->setMinimumWidth(fontMetrics().horizontalAdvance('0') * 10);
        buttons->addWidget(button);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(PartnerRows(*this));
    bottom->addStretch();
    bottom->addLayout(brand);
    bottom->addSpacing(12);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addLayout(top, 1);
    layout->addSpacing(6);
    layout->addLayout(DetailColumns(*this));
    layout->addSpacing(6);
    layout->addLayout(bottom);
}

}  // namespace parlow::games

#include "courses/frmEditClub.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "courses/CourseForm.h"
#include "courses/CourseSave.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"
#include "ui/ShownWrite.h"
#include "ui/fields/FieldBehaviour.h"

namespace parlow::courses {
namespace {

constexpr const char* kCaption = "Edit Club / Course Record";
constexpr const char* kChanged =
    "Record NOT Updated\r\n\r\nThis course was changed or removed since it was chosen.\r\n"
    "The list now shows the courses as they are stored: choose the course again.";
// The games on the course take its new name, tees and card.
constexpr parlow::RecordKinds kWrites = {parlow::RecordKind::Courses, parlow::RecordKind::Games};

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

frmEditClub::frmEditClub(QWidget* parent) : QWidget(parent) {
    parlow::OpenPuttIfAny();
    setWindowTitle(kCaption);
    lblHeading = parlow::NewHeading(HeadingOf(CourseScreen::Edit), this);
    CreateSelection();  // first, so the screen opens with the focus in the list
    form = new CourseForm(CourseScreen::Edit, this);
    setTabOrder(cboClub[0], form->txtBox[0]);

    auto* selection = new QHBoxLayout;
    selection->addStretch();
    selection->addWidget(lblClub);
    selection->addWidget(cboClub[0]);
    selection->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addLayout(selection);
    layout->addSpacing(6);
    layout->addWidget(form);

    FillCourseList();
    parlow::RefillOnWrite(this, parlow::RecordKind::Courses, [this] { RefillKeepingChoice(); });
    connect(cboClub[0], &QComboBox::currentIndexChanged, this, &frmEditClub::LoadSelectedCourse);
    connect(form->cmdSave, &QPushButton::clicked, this, &frmEditClub::Save);
    connect(form->cmdClear, &QPushButton::clicked, this, &frmEditClub::Clear);
    connect(form->cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

// The list lights its caption like any field; Enter in it loads the chosen
// course again and leaves the focus where it is.
void frmEditClub::CreateSelection() {
    lblClub = new QLabel("Select Course record to edit:", this);
    for (QComboBox*& list : cboClub) {
        list = new QComboBox(this);
    }
    cboClub[0]->setMinimumContentsLength(40);
    cboClub[0]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboClub[0]->setMaxVisibleItems(20);
    cboClub[1]->hide();
    auto* behaviour = new parlow::FieldBehaviour(this, {{cboClub[0], lblClub}}, nullptr);
    behaviour->SetNext(cboClub[0], cboClub[0]);
    cboClub[0]->installEventFilter(this);
}

bool frmEditClub::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboClub[0] && IsEnter(event)) {
        LoadSelectedCourse();
    }
    return QWidget::eventFilter(watched, event);
}

// Filling chooses nothing: the list shows no text until the user picks.
void frmEditClub::FillCourseList() {
    const QSignalBlocker blockNames(cboClub[0]);
    for (QComboBox* list : cboClub) {
        list->clear();
    }
    parlow::ReadSharedRows(
        [](zeviza::Putt& putt) { return putt.LoadClub(); },
        [this](const zeviza::RecordSet& row) {
            cboClub[0]->addItem(QString::fromStdString(row.Field("ClubName").ToText() + " - " +
                                                       row.Field("Tees").ToText()));
            cboClub[1]->addItem(QString::fromStdString(row.Field("ClubID").ToText()));
        });
    for (QComboBox* list : cboClub) {
        list->setCurrentIndex(-1);
    }
}

void frmEditClub::RefillKeepingChoice() {
    const QString id = QString::fromStdString(LoadedClubID());
    FillCourseList();
    const int position = id.isEmpty() ? -1 : cboClub[1]->findText(id);
    ChooseQuietly(position);
    if (position < 0) {
        loaded_ = {};
    }
}

// Moves both lists without loading the course into the form.
void frmEditClub::ChooseQuietly(int position) {
    const QSignalBlocker blockNames(cboClub[0]);
    for (QComboBox* list : cboClub) {
        list->setCurrentIndex(position);
    }
}

void frmEditClub::LoadSelectedCourse() {
    const int position = cboClub[0]->currentIndex();
    if (position < 0) {
        return;
    }
    cboClub[1]->setCurrentIndex(position);
    {
        parlow::BusyCursor busy;
        const std::string id = LoadedClubID();
        parlow::SharedRecordset() =
            parlow::PuttStep([&id](zeviza::Putt& putt) { return putt.LoadClubEdit(id); });
        if (auto& course = parlow::SharedRecordset(); course && !course->IsEmpty()) {
            form->ShowCourse(*course);
            loaded_ = zeviza::ShownRecord::Of(*course);
        }
    }
    parlow::CloseSharedRecordset();
}

std::string frmEditClub::LoadedClubID() const {
    return cboClub[1]->currentIndex() < 0 ? std::string() : cboClub[1]->currentText().toStdString();
}

// As on the entry screen, a refused update keeps the course on screen.
void frmEditClub::Save() {
    const std::optional<CourseEntry> entry =
        CheckedCourse(this, form, CourseScreen::Edit, cboClub[0]);
    if (!entry) {
        return;
    }
    if (!TeesChosen(*entry)) {
        return;
    }
    const zeviza::CourseRecord course =
        BuildCourseRecord(*entry, CourseScreen::Edit, LoadedClubID());
    // Changed meanwhile: nothing is written, what was typed stays, and the
    // course is to be chosen again from the list as it now is.
    parlow::ShownWrite write{this, kWrites, loaded_, kChanged, [this] {
                                 ChooseQuietly(-1);
                                 loaded_ = {};
                                 FillCourseList();
                             }};
    const parlow::ShownWriteResult result =
        parlow::WriteAsShown(write, [&course](zeviza::Putt& putt, zeviza::ShownRecord* shown) {
            return putt.UpdateClub(course, shown);
        });
    if (result == parlow::ShownWriteResult::RecordChanged) {
        return;
    }
    if (result == parlow::ShownWriteResult::NotWritten) {
        parlow::ShowMessage("Record NOT Updated", zeviza::Icon::Warning);
        return;
    }
    if (parlow::AskYesNo("Course Record Updated\r\n\r\nDo you want to edit another Course? ",
                         "Course Record Updated", zeviza::Answer::Yes, zeviza::Icon::Information)) {
        Clear();
        FillCourseList();
    } else {
        parlow::CloseScreen(this);
    }
}

void frmEditClub::Clear() {
    form->EmptyFields();
    ChooseQuietly(-1);
    loaded_ = {};
    cboClub[0]->setFocus(Qt::OtherFocusReason);
}

}  // namespace parlow::courses

#include "courses/frmAddClub.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "courses/CourseForm.h"
#include "courses/CourseSave.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"

namespace parlow::courses {
namespace {

constexpr const char* kCaption = "Add New Club / Course Record";

// From the largest row number; nothing when the read failed (it has said why).
std::optional<std::string> NewClubIdentifier() {
    std::optional<std::string> id;
    parlow::SharedRecordset() =
        parlow::PuttStep([](zeviza::Putt& putt) { return putt.GetNewClubID(); });
    try {
        id = MakeNewClubID(parlow::SharedRecordset().get());
    } catch (...) {
    }
    parlow::CloseSharedRecordset();
    return id;
}

bool AddCourse(const QWidget* screen, const CourseEntry& entry, const std::string& id) {
    const zeviza::CourseRecord course = BuildCourseRecord(entry, CourseScreen::Entry, id);
    return parlow::WriteStep(screen, parlow::RecordKind::Courses,
                             [&course](zeviza::Putt& putt) { return putt.AddClub(course); });
}

}  // namespace

frmAddClub::frmAddClub(QWidget* parent) : QWidget(parent) {
    parlow::OpenPuttIfAny();
    setWindowTitle(kCaption);
    lblHeading = parlow::NewHeading(kCaption, this);
    form = new CourseForm(CourseScreen::Entry, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addSpacing(6);
    layout->addWidget(form);
    connect(form->cmdSave, &QPushButton::clicked, this, &frmAddClub::Save);
    connect(form->cmdClear, &QPushButton::clicked, this, &frmAddClub::Clear);
    connect(form->cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

// A save the library refuses keeps every field: a whole scorecard of typing
// is not thrown away, and the course can be saved again once the cause is
// put right.
void frmAddClub::Save() {
    const std::optional<CourseEntry> entry = CheckedCourse(this, form, CourseScreen::Entry);
    if (!entry) {
        return;
    }
    bool saved = false;
    {
        parlow::BusyCursor busy;
        // Without an identifier nothing is stored; the read has said why.
        const std::optional<std::string> id = NewClubIdentifier();
        if (id && !TeesChosen(*entry)) {
            return;
        }
        saved = id && AddCourse(this, *entry, *id);
    }
    if (!saved) {
        parlow::ShowMessage("Record NOT Saved", zeviza::Icon::Critical);
        return;
    }
    if (parlow::AskYesNo("Course Record Saved\r\n\r\nDo you want to add another Course? ",
                         "Course Record Saved", zeviza::Answer::Yes, zeviza::Icon::Information)) {
        Clear();
    } else {
        parlow::CloseScreen(this);
    }
}

void frmAddClub::Clear() {
    form->EmptyFields();
    form->txtBox[0]->setFocus(Qt::OtherFocusReason);
}

}  // namespace parlow::courses

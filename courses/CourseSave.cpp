#include "courses/CourseSave.h"

#include <QComboBox>

#include "courses/CourseForm.h"
#include "courses/rules/CourseChecks.h"
#include "ui/QtPrompts.h"
#include "ui/modGlobal.h"

namespace parlow::courses {

std::optional<CourseEntry> CheckedCourse(QWidget* screen, CourseForm* form, CourseScreen kind,
                                         QComboBox* selection) {
    parlow::TrimTextFields(screen);
    CourseEntry entry = form->Entry();
    if (selection != nullptr) {
        entry.selectedCourse = selection->currentText().toStdString();
    }
    const CourseCheckResult check = ValidateCourse(entry, kind);
    form->ShowHandicaps(entry);
    QWidget* field = check.focus.control == CourseControl::CourseSelection
                         ? selection
                         : form->FieldFor(check.focus);
    if (!Passes(check, field)) {
        return std::nullopt;
    }
    return entry;
}

bool TeesChosen(const CourseEntry& entry) {
    if (!entry.tees.empty()) {
        return true;
    }
    parlow::ShowMessage("Please select the tees you will be playing from", zeviza::Icon::Critical);
    return false;
}

}  // namespace parlow::courses

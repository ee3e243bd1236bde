#pragma once
// The steps the entry and edit screens' Save share once the checks passed.
#include <optional>

#include "courses/rules/CourseRecordBuilder.h"

class QComboBox;
class QWidget;

namespace parlow::courses {

class CourseForm;

// Trims every field, checks the course and shows the first failure (with
// the handicap indexes the check replaced written back). `selection` is the
// edit screen's course list. The checked course on success.
std::optional<CourseEntry> CheckedCourse(QWidget* screen, CourseForm* form, CourseScreen kind,
                                         QComboBox* selection = nullptr);

// The tees go with every course; without them the save cannot go on, which
// this says. True when a tee option is chosen.
bool TeesChosen(const CourseEntry& entry);

}  // namespace parlow::courses

#pragma once
// The two long record lists of the game screens: the courses to play (46
// columns) and the stored games (47 columns), read into a RecordTableModel
// shown by a QTreeView.
#include <QStringList>
#include <functional>
#include <span>
#include <vector>

#include "zeviza/Putt.h"

class QTreeView;
class QWidget;

namespace parlow {
class RecordTableModel;
}

namespace parlow::games {

enum CourseListColumn : int {
    kCourseIdColumn = 0,
    kCourseNameColumn = 1,
    kCourseTeesColumn = 2,
    kCourseCityColumn = 3,
    kCourseOutColumn = 13,
    kCourseInColumn = 23,
    kCourseFWaysColumn = 42,
    kCoursePar3sColumn = 43,  // then Par4s, Par5s
    kCourseListColumnCount = 46,
};
// Hole 0 is hole 1.
int CourseParColumn(int hole);
int CourseHCapColumn(int hole);

QStringList CourseListHeadings();
std::span<const char* const> CourseListFields();
QStringList GameListHeadings();

// A report-style list view over `rows`, one row selected at a time, with
// `chars` digits of width per column.
QTreeView* NewRecordView(parlow::RecordTableModel* rows, const std::vector<int>& chars,
                         QWidget* parent);

// Every row of one read, through the shared record set, as the texts of the
// named columns. A failed read gives no rows.
std::vector<QStringList> ReadRows(const std::function<zeviza::RecordSetPtr(zeviza::Putt&)>& read,
                                  std::span<const char* const> fields);

}  // namespace parlow::games

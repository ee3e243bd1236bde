#include "games/GameLists.h"

#include <QHeaderView>
#include <QTreeView>
#include <array>

#include "games/rules/GameRemoval.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/RecordTableModel.h"

namespace parlow::games {
namespace {

const std::array<const char*, kCourseListColumnCount> kCourseListFields = {
    "ClubID", "ClubName", "Tees",       "City",   "Par1",   "Par2",   "Par3",   "Par4",
    "Par5",   "Par6",     "Par7",       "Par8",   "Par9",   "ParOut", "Par10",  "Par11",
    "Par12",  "Par13",    "Par14",      "Par15",  "Par16",  "Par17",  "Par18",  "ParIn",
    "HCap1",  "HCap2",    "HCap3",      "HCap4",  "HCap5",  "HCap6",  "HCap7",  "HCap8",
    "HCap9",  "HCap10",   "HCap11",     "HCap12", "HCap13", "HCap14", "HCap15", "HCap16",
    "HCap17", "HCap18",   "TotalFWays", "Par3s",  "Par4s",  "Par5s"};

constexpr int kFirstParColumn = 4;
constexpr int kFirstHCapColumn = 24;

// The record set's index of each named column, looked up once per read.
std::vector<std::size_t> ColumnIndexes(const zeviza::RecordSet& records,
                                       std::span<const char* const> fields) {
    std::vector<std::size_t> indexes;
    const std::vector<std::string>& columns = records.Columns();
    for (const char* field : fields) {
        std::size_t at = 0;
        while (at < columns.size() &&
               QString::fromStdString(columns[at]).compare(field, Qt::CaseInsensitive) != 0) {
            ++at;
        }
        indexes.push_back(at);
    }
    return indexes;
}

// Most cells are small counts: their texts are made once and shared, so a
// list of thousands of games allocates little beyond its names.
QString CellText(const zeviza::Value& value) {
    constexpr std::int64_t kSharedTexts = 1000;
    static const std::vector<QString> small = [] {
        std::vector<QString> texts;
        for (std::int64_t number = 0; number < kSharedTexts; ++number) {
            texts.push_back(QString::number(number));
        }
        return texts;
    }();
    if (value.IsInteger()) {
        const std::int64_t number = value.ToInt();
        return number >= 0 && number < kSharedTexts ? small[number] : QString::number(number);
    }
    return QString::fromStdString(value.ToText());
}

}  // namespace

int CourseParColumn(int hole) {
    return hole < 9 ? kFirstParColumn + hole : kFirstParColumn + hole + 1;
}

int CourseHCapColumn(int hole) {
    return kFirstHCapColumn + hole;
}

QStringList CourseListHeadings() {
    QStringList headings{"ID", "Course Name", "Tees", "City"};
    for (int hole = 1; hole <= 18; ++hole) {
        headings << QString("Par %1").arg(hole);
        if (hole == 9) {
            headings << "Out";
        }
    }
    headings << "In";
    for (int hole = 1; hole <= 18; ++hole) {
        headings << (hole == 10 ? QString("HCap10") : QString("HCap %1").arg(hole));
    }
    headings << "FWays"
             << "Par3"
             << "Par4"
             << "Par5";
    return headings;
}

std::span<const char* const> CourseListFields() {
    return kCourseListFields;
}

QStringList GameListHeadings() {
    QStringList headings{"Game ID", "Golfer", "Club / Course", "Tees", "Date",
                         "Gross",   "Net",    "GolferID",      "Holes"};
    for (int count = 1; count <= kGameListColumnCount - kFirstCountColumn; ++count) {
        headings << QString::number(count);
    }
    return headings;
}

QTreeView* NewRecordView(parlow::RecordTableModel* rows, const std::vector<int>& chars,
                         QWidget* parent) {
    auto* view = new QTreeView(parent);
    view->setModel(rows);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);  // thousands of rows lay out at once
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(false);
    view->header()->setDefaultAlignment(Qt::AlignCenter);
    const int digit = view->fontMetrics().horizontalAdvance('0');
    for (std::size_t column = 0; column < chars.size(); ++column) {
        view->setColumnWidth(static_cast<int>(column), digit * chars[column] + 12);
    }
    return view;
}

std::vector<QStringList> ReadRows(const std::function<zeviza::RecordSetPtr(zeviza::Putt&)>& read,
                                  std::span<const char* const> fields) {
    std::vector<QStringList> rows;
    std::vector<std::size_t> indexes;
    parlow::ReadSharedRows(read, [&](const zeviza::RecordSet& record) {
        if (indexes.empty()) {
            indexes = ColumnIndexes(record, fields);
            rows.reserve(record.RecordCount());
        }
        QStringList row;
        row.reserve(static_cast<qsizetype>(indexes.size()));
        for (std::size_t index : indexes) {
            row << (index < record.Columns().size() ? CellText(record.Field(index)) : QString());
        }
        rows.push_back(std::move(row));
    });
    return rows;
}

}  // namespace parlow::games

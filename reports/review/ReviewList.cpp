#include "ReviewList.h"

#include <QDate>
#include <QTreeWidget>

namespace parlow::reports {

namespace {
constexpr int kSortRole = Qt::UserRole + 1;
}

QString ShownDate(const QString& stored) {
    const QDate date = QDate::fromString(stored.left(10), Qt::ISODate);
    return date.isValid() ? date.toString("M/d/yyyy") : stored;
}

ReviewRow::ReviewRow(const zeviza::RecordSet& record, const std::vector<ReviewColumn>& columns) {
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const ReviewColumn& column = columns[c];
        const zeviza::Value& value = record.Field(column.column);
        const QString stored = QString::fromStdString(value.ToText());
        setText(c, column.sortAs == SortAs::Date ? ShownDate(stored) : stored);
        setTextAlignment(c, column.alignment | Qt::AlignVCenter);
        if (column.sortAs == SortAs::Number) {
            setData(c, kSortRole, value.ToDouble());
        } else if (column.sortAs == SortAs::Date) {
            setData(c, kSortRole, stored);
        }
    }
    setData(0, Qt::UserRole, text(0));  // the row's key
}

bool ReviewRow::operator<(const QTreeWidgetItem& other) const {
    const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
    const QVariant mine = data(column, kSortRole);
    const QVariant theirs = other.data(column, kSortRole);
    if (mine.typeId() == QMetaType::Double && theirs.typeId() == QMetaType::Double) {
        return mine.toDouble() < theirs.toDouble();
    }
    if (mine.isValid() && theirs.isValid()) {
        return mine.toString() < theirs.toString();
    }
    return text(column) < other.text(column);
}

}  // namespace parlow::reports

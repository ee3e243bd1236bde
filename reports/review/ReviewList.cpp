#include "reports/review/ReviewList.h"

#include <QDate>
#include <QTreeWidget>

#include "ui/fields/ListReaderOrder.h"

namespace parlow::reports {

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
            setData(c, kSortKeyRole, value.ToDouble());
        } else if (column.sortAs == SortAs::Date) {
            setData(c, kSortKeyRole, stored);
        }
    }
    setData(0, Qt::UserRole, text(0));  // the row's key
}

}  // namespace parlow::reports

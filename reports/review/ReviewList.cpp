#include "reports/review/ReviewList.h"

#include <QDate>

#include "ui/fields/ListReaderOrder.h"

namespace parlow::reports {

namespace {
// The digits of `text` from `at` as a number; -1 unless all are digits.
int DigitsAt(const QString& text, int at, int count) {
    int value = 0;
    for (int i = at; i < at + count; ++i) {
        if (!text[i].isDigit()) {
            return -1;
        }
        value = value * 10 + text[i].digitValue();
    }
    return value;
}
}  // namespace

// Written out rather than through a date format: a list shows thousands of
// dates, and a format is read again for every one.
QString ShownDate(const QString& stored) {
    if (stored.size() < 10 || stored[4] != '-' || stored[7] != '-') {
        return stored;
    }
    const int year = DigitsAt(stored, 0, 4);
    const int month = DigitsAt(stored, 5, 2);
    const int day = DigitsAt(stored, 8, 2);
    if (year < 0 || !QDate::isValid(year, month, day)) {
        return stored;
    }
    return QString::number(month) + '/' + QString::number(day) + '/' + stored.left(4);
}

ReviewRow::Places ReviewRow::PlacesIn(const zeviza::RecordSet& record,
                                      const std::vector<ReviewColumn>& columns) {
    Places places;
    for (const ReviewColumn& column : columns) {
        places.push_back(record.ColumnIndex(column.column));
    }
    return places;
}

ReviewRow::ReviewRow(const zeviza::RecordSet& record, const std::vector<ReviewColumn>& columns,
                     const Places& places)
    : columns_(columns) {
    texts_.reserve(static_cast<int>(columns.size()));
    sortKeys_.reserve(static_cast<int>(columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ReviewColumn& column = columns[c];
        const zeviza::Value& value = record.Field(places[c]);
        const QString stored = QString::fromStdString(value.ToText());
        texts_ << (column.sortAs == SortAs::Date ? ShownDate(stored) : stored);
        switch (column.sortAs) {
            case SortAs::Number:
                sortKeys_ << QVariant(value.ToDouble());
                break;
            case SortAs::Date:
                sortKeys_ << QVariant(stored);
                break;
            case SortAs::Text:
                sortKeys_ << QVariant();
                break;
        }
    }
}

QVariant ReviewRow::data(int column, int role) const {
    if (column < 0 || column >= texts_.size()) {
        return QTreeWidgetItem::data(column, role);
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return texts_[column];
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columns_[column].alignment | Qt::AlignVCenter);
        case kSortKeyRole:
            return sortKeys_[column];
        case Qt::UserRole:  // the row's key
            return column == 0 ? QVariant(texts_[0]) : QVariant();
        default:
            return QTreeWidgetItem::data(column, role);
    }
}

void ReviewRow::setData(int column, int role, const QVariant& value) {
    if ((role == Qt::DisplayRole || role == Qt::EditRole) && column >= 0 &&
        column < texts_.size()) {
        texts_[column] = value.toString();
        emitDataChanged();
        return;
    }
    QTreeWidgetItem::setData(column, role, value);
}

}  // namespace parlow::reports

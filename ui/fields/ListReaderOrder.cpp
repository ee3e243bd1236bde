#include "ui/fields/ListReaderOrder.h"

#include "ui/fields/CodeOrder.h"
#include "ui/fields/RanksBy.h"

#include <QLocale>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

namespace parlow {
namespace {

bool IsNumberType(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
    }
}

// A cell holding a finite number, or a text that is one as written here or
// in the user's locale ("70.4", "70,4" where the comma is decimal). Group
// separators are refused ("1,234" stays a text), and so are "inf" and "nan",
// which are names to a reader and would leave the order undefined.
std::optional<double> NumberIn(const QVariant& cell, const std::array<QLocale, 2>& locales) {
    if (IsNumberType(cell)) {
        const double value = cell.toDouble();
        return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    }
    const QString text = cell.toString().trimmed();
    // No locale writes a finite number starting with a letter: names and
    // codes ("G12") skip the parsing, which costs more than the sort itself.
    if (text.isEmpty() || text.front().isLetter()) {
        return std::nullopt;
    }
    for (const QLocale& locale : locales) {
        bool ok = false;
        const double value = locale.toDouble(text, &ok);
        if (ok && std::isfinite(value)) {
            return value;
        }
    }
    return std::nullopt;
}

// The user's locale by its name: the system's own locale object asks the
// system for its separators at every number it reads, under a lock, and
// Linux has no separators of its own beyond those of the locale's name.
QLocale UserNumberLocale() {
    return QLocale(QLocale().name());
}

QLocale CollationLocale() {
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : locale;
}

// A row of a list with what it is sorted by.
struct RowKey {
    QTreeWidgetItem* row;
    ReaderOrder::Key key;
};

}  // namespace

ReaderOrder::ReaderOrder()
    : collator_(CollationLocale()), numberLocales_{QLocale::c(), UserNumberLocale()} {
    for (QLocale& locale : numberLocales_) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
    }
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    collator_.setNumericMode(true);
}

bool ReaderOrder::Less(const QVariant& left, const QVariant& right) const {
    const std::optional<double> leftNumber = NumberIn(left, numberLocales_);
    const std::optional<double> rightNumber = NumberIn(right, numberLocales_);
    if (leftNumber.has_value() != rightNumber.has_value()) {
        return leftNumber.has_value();
    }
    if (leftNumber.has_value()) {
        return *leftNumber < *rightNumber;
    }
    return collator_.compare(left.toString(), right.toString()) < 0;
}

ReaderOrder::Key ReaderOrder::KeyOf(const QVariant& cell) const {
    Key key{NumberIn(cell, numberLocales_), std::nullopt};
    if (!key.number.has_value()) {
        key.text = collator_.sortKey(cell.toString());
    }
    return key;
}

bool ReaderOrder::Less(const Key& left, const Key& right) {
    if (left.number.has_value() != right.number.has_value()) {
        return left.number.has_value();
    }
    if (left.number.has_value()) {
        return *left.number < *right.number;
    }
    return left.text->compare(*right.text) < 0;
}

std::vector<int> ReaderOrder::Ranks(const std::vector<QString>& texts) const {
    if (std::optional<std::vector<int>> codes = CodeOrder(collator_).Ranks(texts)) {
        return std::move(*codes);
    }
    std::vector<Key> keys;
    keys.reserve(texts.size());
    for (const QString& text : texts) {
        keys.push_back(KeyOf(text));
    }
    return RanksBy(keys.size(), [&keys](int a, int b) { return Less(keys[a], keys[b]); });
}

void ReaderOrder::SortRows(QTreeWidget* list, int column, Qt::SortOrder order) const {
    QTreeWidgetItem* current = list->currentItem();
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    // The screen sees its rows put in order, not taken away and given back.
    const QSignalBlocker quiet(list);

    std::vector<RowKey> keys;
    const QList<QTreeWidgetItem*> rows = list->invisibleRootItem()->takeChildren();
    keys.reserve(rows.size());
    for (QTreeWidgetItem* row : rows) {
        QVariant cell = row->data(column, kSortKeyRole);
        if (!cell.isValid()) {
            cell = row->data(column, Qt::DisplayRole);
        }
        keys.push_back({row, KeyOf(cell)});
    }
    std::stable_sort(keys.begin(), keys.end(), [order](const RowKey& left, const RowKey& right) {
        return order == Qt::AscendingOrder ? Less(left.key, right.key) : Less(right.key, left.key);
    });
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(keys.size());
    for (const RowKey& key : keys) {
        sorted.append(key.row);
    }
    list->invisibleRootItem()->addChildren(sorted);

    if (current != nullptr) {
        list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
        list->scrollToItem(current);
    }
    for (QTreeWidgetItem* row : selected) {
        row->setSelected(true);
    }
}

}  // namespace parlow

#include "RecordTableModel.h"

#include <algorithm>
#include <numeric>

namespace parlow {

RecordTableModel::RecordTableModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent),
      headings_(std::move(headings)),
      alignments_(headings_.size(), Qt::AlignCenter) {
    if (!alignments_.empty()) {
        alignments_[0] = Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void RecordTableModel::SetAlignment(int column, Qt::Alignment alignment) {
    if (column >= 0 && column < static_cast<int>(alignments_.size())) {
        alignments_[column] = alignment;
    }
}

void RecordTableModel::SetRows(std::vector<QStringList> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    for (QStringList& row : rows_) {
        while (row.size() < headings_.size()) {
            row << QString();
        }
    }
    endResetModel();
}

QStringList RecordTableModel::Row(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return {};
    }
    return rows_[row];
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return rows_[index.row()].value(index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(alignments_[index.column()]);
    }
    return {};
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headings_.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return headings_[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(alignments_[section]);
    }
    return {};
}

void RecordTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= headings_.size()) {
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> from(rows_.size());
    std::iota(from.begin(), from.end(), 0);
    std::stable_sort(from.begin(), from.end(), [this, column, order](int a, int b) {
        const QString& left = rows_[a][column];
        const QString& right = rows_[b][column];
        return order == Qt::AscendingOrder ? order_.Less(left, right) : order_.Less(right, left);
    });
    std::vector<QStringList> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> to(rows_.size());
    for (std::size_t at = 0; at < from.size(); ++at) {
        sorted.push_back(std::move(rows_[from[at]]));
        to[from[at]] = static_cast<int>(at);
    }
    rows_ = std::move(sorted);
    // The chosen and current rows follow their records.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after << this->index(to[index.row()], index.column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace parlow

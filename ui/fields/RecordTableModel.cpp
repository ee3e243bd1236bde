#include "ui/fields/RecordTableModel.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace parlow {

RecordTableModel::RecordTableModel(QStringList headings, QObject* parent)
    : QAbstractTableModel(parent),
      headings_(std::move(headings)),
      alignments_(headings_.size(), Qt::AlignCenter),
      ranks_(headings_.size()) {
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
        if (row.size() < headings_.size()) {
            row.resize(headings_.size());
        }
    }
    shown_.resize(rows_.size());
    std::iota(shown_.begin(), shown_.end(), 0);
    ranks_.assign(headings_.size(), {});
    endResetModel();
}

QStringList RecordTableModel::Row(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return {};
    }
    return Shown(row);
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
        return Shown(index.row()).value(index.column());
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

const std::vector<int>& RecordTableModel::Ranks(int column) {
    std::vector<int>& ranks = ranks_[column];
    if (ranks.size() == rows_.size()) {
        return ranks;
    }
    // Each distinct text is ranked once: a long list repeats its names, and
    // collating a text costs far more than comparing two numbers.
    std::unordered_map<std::u16string_view, int> distinct;
    distinct.reserve(rows_.size());
    std::vector<QString> texts;
    std::vector<int> textOf(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        // Read through const: a row still shared with the caller's copy is
        // not copied for a look at one cell.
        const QString& cell = std::as_const(rows_[row])[column];
        const auto [found, added] = distinct.try_emplace(
            std::u16string_view(reinterpret_cast<const char16_t*>(cell.utf16()),
                                static_cast<std::size_t>(cell.size())),
            static_cast<int>(texts.size()));
        if (added) {
            texts.push_back(cell);
        }
        textOf[row] = found->second;
    }
    const std::vector<int> rankOfText = order_.Ranks(texts);
    ranks.resize(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        ranks[row] = rankOfText[textOf[row]];
    }
    return ranks;
}

void RecordTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= headings_.size()) {
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int>& rank = Ranks(column);
    std::vector<int> from(shown_.size());
    std::iota(from.begin(), from.end(), 0);
    std::stable_sort(from.begin(), from.end(), [this, &rank, order](int a, int b) {
        const int left = rank[shown_[a]];
        const int right = rank[shown_[b]];
        return order == Qt::AscendingOrder ? left < right : right < left;
    });
    std::vector<int> sorted(shown_.size());
    std::vector<int> to(shown_.size());
    for (std::size_t at = 0; at < from.size(); ++at) {
        sorted[at] = shown_[from[at]];
        to[from[at]] = static_cast<int>(at);
    }
    shown_ = std::move(sorted);
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

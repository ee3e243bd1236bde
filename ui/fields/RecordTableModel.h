#pragma once
// The rows of a long record list as texts, for a QTreeView: one row per
// record, its key in the first column. Sorting puts the cells in a reader's
// order and keeps rows that compare equal in their order, as the list views
// of the screens do.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "ui/fields/ListReaderOrder.h"

namespace parlow {

class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    RecordTableModel(QStringList headings, QObject* parent = nullptr);

    // Every column but the first is centred unless set otherwise.
    void SetAlignment(int column, Qt::Alignment alignment);
    // Replaces every row; each row holds one text per heading.
    void SetRows(std::vector<QStringList> rows);
    void Clear() { SetRows({}); }
    // The row's texts; empty for a row that does not exist.
    QStringList Row(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  private:
    // Each record's place in the reader's order of `column`; equal cells
    // share one. Worked out at the first sort by the column and kept until
    // the rows are replaced: collating a column's texts costs far more than
    // putting the rows in the order of their places.
    const std::vector<int>& Ranks(int column);
    const QStringList& Shown(int row) const { return rows_[shown_[row]]; }

    QStringList headings_;
    std::vector<Qt::Alignment> alignments_;
    std::vector<QStringList> rows_;        // as filled, so that kept ranks stay theirs
    std::vector<int> shown_;               // the record each shown row holds
    std::vector<std::vector<int>> ranks_;  // per column; empty until sorted by it
    ReaderOrder order_;
};

}  // namespace parlow

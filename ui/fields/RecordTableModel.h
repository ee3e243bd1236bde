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
    // Each row's place in the reader's order of `column`; equal cells share one.
    std::vector<int> Ranks(int column) const;

    QStringList headings_;
    std::vector<Qt::Alignment> alignments_;
    std::vector<QStringList> rows_;
    ReaderOrder order_;
};

}  // namespace parlow

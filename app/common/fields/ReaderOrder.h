#pragma once
// The order in which a reader expects a list's cells: names without regard
// to case and with accented letters beside their base letters ("abc", "Bob",
// "Émile", "smith", "Zoë"), digits inside a text by their value ("D2" before
// "D10"), and cells that are whole numbers by value, ahead of the texts.
#include <QCollator>
#include <QVariant>
#include <Qt>

class QTreeWidget;

namespace parlow {

// A cell whose shown text does not read in its order (a date shown as
// "M/d/yyyy") carries the value it sorts by under this role.
inline constexpr int kSortKeyRole = Qt::UserRole + 1;

class ReaderOrder {
  public:
    // In the user's language; the C locale, which would compare code units,
    // gives way to the common order of the Latin letters.
    ReaderOrder();

    // True when `left` comes before `right`.
    bool Less(const QVariant& left, const QVariant& right) const;

    // Puts the top rows of `list` in this order by `column`, keeping rows
    // that compare equal in the order they stood; the current and selected
    // rows stay current and selected.
    void SortRows(QTreeWidget* list, int column, Qt::SortOrder order) const;

  private:
    QCollator collator_;
};

}  // namespace parlow

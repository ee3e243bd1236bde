#pragma once
// The order in which a reader expects a list's cells: names without regard
// to case and with accented letters beside their base letters ("abc", "Bob",
// "Émile", "smith", "Zoë"), digits inside a text by their value ("D2" before
// "D10"), and cells that are whole numbers by value, ahead of the texts.
#include <QCollator>
#include <QLocale>
#include <QVariant>
#include <Qt>
#include <array>
#include <optional>
#include <vector>

class QTreeWidget;

namespace parlow {

// A cell whose shown text does not read in its order (a date shown as
// "M/d/yyyy") carries the value it sorts by under this role.
inline constexpr int kSortKeyRole = Qt::UserRole + 1;

class ReaderOrder {
  public:
    // In the user's language as it is now; the C locale, which would compare
    // code units, gives way to the common order of the Latin letters.
    ReaderOrder();

    // True when `left` comes before `right`.
    bool Less(const QVariant& left, const QVariant& right) const;

    // What a cell sorts by, worked out once: sorting many rows compares keys
    // in the same order as Less compares the cells, without reading every
    // cell's number and collating its text again at each comparison.
    struct Key {
        std::optional<double> number;
        std::optional<QCollatorSortKey> text;  // for a cell that is no number
    };
    Key KeyOf(const QVariant& cell) const;
    static bool Less(const Key& left, const Key& right);

    // Each text's rank in this order, texts that compare equal ("10", "010")
    // sharing one: what a list sorts a column by.
    std::vector<int> Ranks(const std::vector<QString>& texts) const;

    // Puts the top rows of `list` in this order by `column`, keeping rows
    // that compare equal in the order they stood; the current and selected
    // rows stay current and selected.
    void SortRows(QTreeWidget* list, int column, Qt::SortOrder order) const;

  private:
    QCollator collator_;
    // Where a text reads as a number: as written here, then in the user's
    // locale. Made once, as the collator is: making a locale takes a lock.
    std::array<QLocale, 2> numberLocales_;
};

}  // namespace parlow

#pragma once
// Identifiers made of letters and digits ("G12", "D2", "C104a") in the
// reader's order without a collation key per text. A long list has one
// identifier per row, and keying each through the collator costs many times
// the sort itself; an identifier's letters repeat ("G" in every game's), so
// its runs of letters are collated once each and its runs of digits compare
// by value, which is the order the collator gives the whole text.
#include <QCollator>
#include <QString>
#include <optional>
#include <vector>

namespace parlow {

class CodeOrder {
  public:
    // `collator` as the reader's order sets it up: without regard to case,
    // digits by their value.
    explicit CodeOrder(const QCollator& collator);

    // Each text's rank in that order (texts that compare equal share one),
    // or nothing where the texts are not all such identifiers: a text that
    // starts with a digit or holds any other character, a run of digits
    // with a leading zero or too long for a number, or a language whose
    // order tells letters apart only as it does accents ("i" and "y" in
    // Lithuanian), which a run at a time would not see.
    std::optional<std::vector<int>> Ranks(const std::vector<QString>& texts) const;

  private:
    const QCollator& collator_;
    bool lettersApartAtFirstLevel_;
};

}  // namespace parlow

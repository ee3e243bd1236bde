#pragma once
// The search page's index: which topics hold the words a user types.
#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

#include "app/help/HelpFile.h"

namespace parlow {

// The words of a text, case-folded: runs of letters and digits.
QStringList SearchWords(const QString& text);

class HelpIndex {
  public:
    explicit HelpIndex(const HelpFile& file);

    // The topics holding every word of the query, where a typed word finds
    // any word it begins ("putt" finds "putts" and "putting"). Topics whose
    // title holds them all come first; otherwise the file's order is kept.
    std::vector<std::size_t> Find(const QString& query) const;

  private:
    struct TopicWords {
        QStringList title;  // sorted, without repeats
        QStringList all;
    };

    static bool HoldsAll(const QStringList& sortedWords, const QStringList& query);

    std::vector<TopicWords> topics_;
};

}  // namespace parlow

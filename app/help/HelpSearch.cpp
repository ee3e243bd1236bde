#include "app/help/HelpSearch.h"

#include <algorithm>

namespace parlow {
namespace {

QStringList SortedUnique(QStringList words) {
    words.sort();
    words.removeDuplicates();
    return words;
}

bool BeginsAnyOf(const QStringList& sortedWords, const QString& start) {
    const auto found = std::lower_bound(sortedWords.cbegin(), sortedWords.cend(), start);
    return found != sortedWords.cend() && found->startsWith(start);
}

}  // namespace

QStringList SearchWords(const QString& text) {
    QStringList words;
    QString word;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            word.append(c);
        } else if (!word.isEmpty()) {
            words.append(word.toCaseFolded());
            word.clear();
        }
    }
    if (!word.isEmpty()) {
        words.append(word.toCaseFolded());
    }
    return words;
}

HelpIndex::HelpIndex(const HelpFile& file) {
    topics_.reserve(file.topics.size());
    for (const HelpTopic& topic : file.topics) {
        const QStringList title = SearchWords(topic.title);
        topics_.push_back(
            {SortedUnique(title), SortedUnique(title + SearchWords(topic.lines.join(u' ')))});
    }
}

bool HelpIndex::HoldsAll(const QStringList& sortedWords, const QStringList& query) {
    return std::all_of(query.cbegin(), query.cend(),
                       [&](const QString& word) { return BeginsAnyOf(sortedWords, word); });
}

std::vector<std::size_t> HelpIndex::Find(const QString& query) const {
    const QStringList words = SortedUnique(SearchWords(query));
    if (words.isEmpty()) {
        return {};
    }
    std::vector<std::size_t> byTitle;
    std::vector<std::size_t> byText;
    for (std::size_t i = 0; i < topics_.size(); ++i) {
        if (HoldsAll(topics_[i].title, words)) {
            byTitle.push_back(i);
        } else if (HoldsAll(topics_[i].all, words)) {
            byText.push_back(i);
        }
    }
    byTitle.insert(byTitle.end(), byText.begin(), byText.end());
    return byTitle;
}

}  // namespace parlow

#include "ui/fields/CodeOrder.h"

#include "ui/fields/RanksBy.h"

#include <QHash>
#include <QMutex>
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace parlow {

namespace {

// A run of letters sorts after every run of digits, as in the collator.
constexpr std::uint64_t kLetters = std::uint64_t{1} << 63;
constexpr int kLongestNumber = 18;

bool IsAsciiLetter(QChar c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(QChar c) {
    return c >= '0' && c <= '9';
}

// True where no two letters differ only as accents do: then "a2" and "b1"
// are ordered by their letters, as "a" and "b" are. Worked out once per
// language, it asks the collator a few hundred questions.
bool LettersApartAtFirstLevel(const QCollator& collator) {
    static QMutex mutex;
    static QHash<QString, bool> known;
    const QMutexLocker lock(&mutex);
    const QString language = collator.locale().name();
    if (const auto found = known.constFind(language); found != known.cend()) {
        return *found;
    }
    bool apart = true;
    for (char x = 'a'; x <= 'z' && apart; ++x) {
        for (char y = static_cast<char>(x + 1); y <= 'z' && apart; ++y) {
            const int letters = collator.compare(QString(x), QString(y));
            const int withDigits = collator.compare(QString(x) + '2', QString(y) + '1');
            apart = (letters < 0) == (withDigits < 0) && letters != 0;
        }
    }
    known.insert(language, apart);
    return apart;
}

using RunView = std::u16string_view;

RunView ViewOf(const QString& text, qsizetype at, qsizetype length) {
    return RunView(reinterpret_cast<const char16_t*>(text.utf16()) + at,
                   static_cast<std::size_t>(length));
}

// Every text's runs one after the other: digit runs as their values, letter
// runs as their number among the distinct runs, marked as letters.
struct Keys {
    std::vector<std::uint64_t> parts;
    std::vector<std::size_t> starts;  // where each text's runs begin; one more at the end
    std::unordered_map<RunView, std::uint64_t> letterRuns;
    std::vector<RunView> letterRunTexts;

    // False where `text` is not an identifier.
    bool Add(const QString& text);
    const std::uint64_t* Begin(std::size_t text) const { return parts.data() + starts[text]; }
    const std::uint64_t* End(std::size_t text) const { return parts.data() + starts[text + 1]; }
    bool Less(std::size_t a, std::size_t b) const {
        return std::lexicographical_compare(Begin(a), End(a), Begin(b), End(b));
    }
};

bool Keys::Add(const QString& text) {
    if (text.isEmpty() || !IsAsciiLetter(text.front())) {
        return false;
    }
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = at;
        if (IsAsciiLetter(text[at])) {
            while (end < text.size() && IsAsciiLetter(text[end])) {
                ++end;
            }
            const auto [run, added] =
                letterRuns.try_emplace(ViewOf(text, at, end - at), letterRunTexts.size());
            if (added) {
                letterRunTexts.push_back(run->first);
            }
            parts.push_back(kLetters | run->second);
        } else if (IsAsciiDigit(text[at])) {
            std::uint64_t value = 0;
            while (end < text.size() && IsAsciiDigit(text[end])) {
                value = value * 10 + static_cast<std::uint64_t>(text[end].unicode() - '0');
                ++end;
            }
            const qsizetype digits = end - at;
            if (digits > kLongestNumber || (digits > 1 && text[at] == '0')) {
                return false;
            }
            parts.push_back(value);
        } else {
            return false;
        }
        at = end;
    }
    starts.push_back(parts.size());
    return true;
}

// Each letter run's place in the collator's order; runs it finds equal
// ("g", "G") share one.
std::vector<std::uint64_t> PlacesOfRuns(const std::vector<RunView>& runs,
                                        const QCollator& collator) {
    std::vector<QString> texts;
    texts.reserve(runs.size());
    for (const RunView run : runs) {
        texts.push_back(QString::fromUtf16(run.data(), static_cast<qsizetype>(run.size())));
    }
    const std::vector<int> ranks = RanksBy(
        texts.size(), [&](int a, int b) { return collator.compare(texts[a], texts[b]) < 0; });
    return std::vector<std::uint64_t>(ranks.begin(), ranks.end());
}

}  // namespace

CodeOrder::CodeOrder(const QCollator& collator)
    : collator_(collator), lettersApartAtFirstLevel_(LettersApartAtFirstLevel(collator)) {}

std::optional<std::vector<int>> CodeOrder::Ranks(const std::vector<QString>& texts) const {
    if (!lettersApartAtFirstLevel_) {
        return std::nullopt;
    }
    Keys keys;
    keys.starts.reserve(texts.size() + 1);
    keys.starts.push_back(0);
    keys.parts.reserve(texts.size() * 2);
    for (const QString& text : texts) {
        if (!keys.Add(text)) {
            return std::nullopt;
        }
    }
    const std::vector<std::uint64_t> places = PlacesOfRuns(keys.letterRunTexts, collator_);
    for (std::uint64_t& part : keys.parts) {
        if (part & kLetters) {
            part = kLetters | places[part & ~kLetters];
        }
    }
    return RanksBy(texts.size(), [&keys](int a, int b) { return keys.Less(a, b); });
}

}  // namespace parlow

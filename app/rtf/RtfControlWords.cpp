#include "app/rtf/RtfControlWords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace parlow::rtf {
namespace {

using Entry = std::pair<std::string_view, WordMeaning>;

constexpr WordMeaning Act(WordAction action) {
    return {action, 0};
}
constexpr WordMeaning Char(char16_t character) {
    return {WordAction::Character, character};
}

// Destinations whose contents are never shown: document properties, pictures,
// embedded objects, page furniture, field instructions and the tables of
// newer word processors.
constexpr WordMeaning kSkip = Act(WordAction::SkipDestination);

// Kept sorted by name for the binary search below.
constexpr auto kWords = std::to_array<Entry>({
    {"annotation", kSkip},
    {"atnauthor", kSkip},
    {"atnid", kSkip},
    {"b", Act(WordAction::Bold)},
    {"bin", Act(WordAction::Binary)},
    {"bkmkend", kSkip},
    {"bkmkstart", kSkip},
    {"blue", Act(WordAction::Blue)},
    {"bullet", Char(u'\u2022')},
    {"cell", Char(u'\t')},
    {"cf", Act(WordAction::Colour)},
    {"colorschememapping", kSkip},
    {"colortbl", Act(WordAction::ColourTable)},
    {"comment", kSkip},
    {"datastore", kSkip},
    {"docvar", kSkip},
    {"emdash", Char(u'\u2014')},
    {"emspace", Char(u'\u2003')},
    {"endash", Char(u'\u2013')},
    {"enspace", Char(u'\u2002')},
    {"f", Act(WordAction::Font)},
    {"filetbl", kSkip},
    {"fldinst", kSkip},
    {"fonttbl", Act(WordAction::FontTable)},
    {"footer", kSkip},
    {"footerf", kSkip},
    {"footerl", kSkip},
    {"footerr", kSkip},
    {"footnote", kSkip},
    {"fs", Act(WordAction::FontSize)},
    {"generator", kSkip},
    {"green", Act(WordAction::Green)},
    {"header", kSkip},
    {"headerf", kSkip},
    {"headerl", kSkip},
    {"headerr", kSkip},
    {"i", Act(WordAction::Italic)},
    {"info", kSkip},
    {"latentstyles", kSkip},
    {"ldblquote", Char(u'\u201C')},
    {"line", Char(u'\u2028')},
    {"listoverridetable", kSkip},
    {"listtable", kSkip},
    {"lquote", Char(u'\u2018')},
    {"nonshppict", kSkip},
    {"object", kSkip},
    {"page", Act(WordAction::Paragraph)},
    {"par", Act(WordAction::Paragraph)},
    {"pard", Act(WordAction::ParagraphDefaults)},
    {"pgdsctbl", kSkip},
    {"pict", kSkip},
    {"plain", Act(WordAction::Plain)},
    {"private", kSkip},
    {"qc", Act(WordAction::AlignCentre)},
    {"qj", Act(WordAction::AlignJustify)},
    {"ql", Act(WordAction::AlignLeft)},
    {"qr", Act(WordAction::AlignRight)},
    {"rdblquote", Char(u'\u201D')},
    {"red", Act(WordAction::Red)},
    {"revtbl", kSkip},
    {"row", Act(WordAction::Paragraph)},
    {"rquote", Char(u'\u2019')},
    {"rsidtbl", kSkip},
    {"sect", Act(WordAction::Paragraph)},
    {"shp", kSkip},
    {"strike", Act(WordAction::Strike)},
    {"stylesheet", kSkip},
    {"tab", Char(u'\t')},
    {"tc", kSkip},
    {"template", kSkip},
    {"themedata", kSkip},
    {"txe", kSkip},
    {"u", Act(WordAction::Unicode)},
    {"uc", Act(WordAction::UnicodeSkip)},
    {"ul", Act(WordAction::Underline)},
    {"uld", Act(WordAction::Underline)},
    {"uldb", Act(WordAction::Underline)},
    {"ulnone", Act(WordAction::UnderlineNone)},
    {"ulw", Act(WordAction::Underline)},
    {"userprops", kSkip},
    {"xe", kSkip},
    {"xmlnstbl", kSkip},
});

static_assert(std::is_sorted(kWords.begin(), kWords.end(),
                             [](const Entry& a, const Entry& b) { return a.first < b.first; }));

}  // namespace

WordMeaning LookUpWord(std::string_view word) {
    const auto found =
        std::lower_bound(kWords.begin(), kWords.end(), word,
                         [](const Entry& e, std::string_view w) { return e.first < w; });
    if (found == kWords.end() || found->first != word) {
        return {};
    }
    return found->second;
}

}  // namespace parlow::rtf

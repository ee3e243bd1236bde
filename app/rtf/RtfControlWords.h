#pragma once
// What the reader does with each control word it knows. Every word not
// listed is ignored, which is how RTF asks readers to treat the unknown.
#include <string_view>

namespace parlow::rtf {

enum class WordAction {
    Ignore,
    FontTable,
    ColourTable,
    SkipDestination,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Colour,
    Font,
    Plain,
    ParagraphDefaults,
    Paragraph,
    Character,  // a word that stands for one character (\tab, \emdash, ...)
    Unicode,
    UnicodeSkip,
    Binary,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    Red,
    Green,
    Blue,
};

struct WordMeaning {
    WordAction action = WordAction::Ignore;
    char16_t character = 0;  // for WordAction::Character
};

WordMeaning LookUpWord(std::string_view word);

}  // namespace parlow::rtf

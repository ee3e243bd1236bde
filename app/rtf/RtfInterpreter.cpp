#include "app/rtf/RtfInterpreter.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "app/rtf/Cp1252.h"
#include "app/rtf/RtfControlWords.h"

namespace parlow::rtf {
namespace {

// Real documents nest a few dozen groups at most; deeper groups share the
// state of the last saved level instead of growing the stack without end.
constexpr std::size_t kMaxDepth = 256;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 400;

bool IsOn(const Token& token) {
    return !token.hasParameter || token.parameter != 0;
}

// The words that change only the look of the characters; false for others.
bool ApplyCharacterWord(CharacterState& characters, WordAction action, const Token& token) {
    switch (action) {
        case WordAction::Bold:
            characters.bold = IsOn(token);
            return true;
        case WordAction::Italic:
            characters.italic = IsOn(token);
            return true;
        case WordAction::Underline:
            characters.underline = IsOn(token);
            return true;
        case WordAction::UnderlineNone:
            characters.underline = false;
            return true;
        case WordAction::Strike:
            characters.strike = IsOn(token);
            return true;
        case WordAction::FontSize:
            characters.halfPoints =
                token.parameter > 0 ? std::clamp(token.parameter, kMinHalfPoints, kMaxHalfPoints)
                                    : 0;
            return true;
        case WordAction::Colour:
            characters.colour = token.parameter;
            return true;
        case WordAction::Plain:
            characters = CharacterState();
            return true;
        default:
            return false;
    }
}

std::optional<Qt::Alignment> AlignmentOf(WordAction action) {
    switch (action) {
        case WordAction::ParagraphDefaults:
        case WordAction::AlignLeft:
            return Qt::AlignLeft;
        case WordAction::AlignCentre:
            return Qt::AlignHCenter;
        case WordAction::AlignRight:
            return Qt::AlignRight;
        case WordAction::AlignJustify:
            return Qt::AlignJustify;
        default:
            return std::nullopt;
    }
}

QString Decode(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.append(Cp1252ToUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

}  // namespace

RtfInterpreter::RtfInterpreter(const QByteArray& input, QTextDocument& document)
    : tokens_(input), builder_(document) {}

void RtfInterpreter::Run() {
    for (Token token = tokens_.Next(); token.kind != TokenKind::End; token = tokens_.Next()) {
        const bool ignorable = std::exchange(ignorableDestination_, false);
        switch (token.kind) {
            case TokenKind::GroupStart:
                OnGroupStart();
                break;
            case TokenKind::GroupEnd:
                OnGroupEnd();
                break;
            case TokenKind::ControlWord:
                ignorableDestination_ = ignorable;
                OnControlWord(token);
                ignorableDestination_ = false;
                break;
            case TokenKind::ControlSymbol:
                OnControlSymbol(token.symbol);
                break;
            case TokenKind::HexByte:
                if (!SkipsFallback()) {
                    Emit(QString(Cp1252ToUnicode(token.byte)));
                }
                break;
            case TokenKind::Text:
                OnText(token.text);
                break;
            case TokenKind::End:
                break;
        }
    }
    builder_.Finish(state_.alignment);
}

void RtfInterpreter::OnGroupStart() {
    fallbackToSkip_ = 0;
    if (saved_.size() >= kMaxDepth) {
        ++groupsPastLimit_;
        return;
    }
    saved_.push_back(state_);
}

void RtfInterpreter::OnGroupEnd() {
    fallbackToSkip_ = 0;
    if (groupsPastLimit_ > 0) {
        --groupsPastLimit_;
        return;
    }
    if (saved_.empty()) {
        return;  // an unbalanced brace closes nothing
    }
    state_ = saved_.back();
    saved_.pop_back();
}

void RtfInterpreter::OnControlWord(const Token& token) {
    const WordMeaning meaning = LookUpWord(token.word);
    if (meaning.action == WordAction::Binary) {
        // The data must be stepped over even where it is not shown, or its
        // bytes would be read as RTF.
        tokens_.SkipBytes(token.hasParameter ? token.parameter : 0);
    }
    if (SkipsFallback()) {
        return;
    }
    ApplyDestination(meaning);
    if (state_.destination == Destination::Skip) {
        return;
    }
    ApplyWord(meaning, token);
}

void RtfInterpreter::ApplyDestination(const WordMeaning& meaning) {
    if (state_.destination == Destination::Skip) {
        return;  // nothing inside a skipped group is ever shown
    }
    switch (meaning.action) {
        case WordAction::FontTable:
            state_.destination = Destination::FontTable;
            break;
        case WordAction::ColourTable:
            state_.destination = Destination::ColourTable;
            break;
        case WordAction::SkipDestination:
            state_.destination = Destination::Skip;
            break;
        default:
            if (ignorableDestination_) {
                state_.destination = Destination::Skip;
            }
            break;
    }
}

void RtfInterpreter::ApplyWord(const WordMeaning& meaning, const Token& token) {
    if (ApplyCharacterWord(state_.characters, meaning.action, token)) {
        return;
    }
    if (const auto alignment = AlignmentOf(meaning.action)) {
        state_.alignment = *alignment;
        return;
    }
    switch (meaning.action) {
        case WordAction::Font:
            if (state_.destination == Destination::FontTable) {
                fonts_.BeginEntry(token.parameter);
            } else {
                state_.characters.font = token.parameter;
            }
            break;
        case WordAction::Paragraph:
            if (state_.destination == Destination::Text) {
                builder_.EndParagraph(state_.alignment);
            }
            break;
        case WordAction::Character:
            Emit(QString(QChar(meaning.character)));
            break;
        case WordAction::Unicode:
            OnUnicode(token);
            break;
        case WordAction::UnicodeSkip:
            state_.unicodeSkip = std::clamp(token.parameter, 0, kMaxUnicodeSkip);
            break;
        case WordAction::Red:
        case WordAction::Green:
        case WordAction::Blue:
            ApplyColourComponent(meaning, token.parameter);
            break;
        default:
            break;
    }
}

void RtfInterpreter::ApplyColourComponent(const WordMeaning& meaning, int value) {
    if (state_.destination != Destination::ColourTable) {
        return;
    }
    if (meaning.action == WordAction::Red) {
        colours_.SetRed(value);
    } else if (meaning.action == WordAction::Green) {
        colours_.SetGreen(value);
    } else {
        colours_.SetBlue(value);
    }
}

void RtfInterpreter::OnUnicode(const Token& token) {
    if (!token.hasParameter) {
        return;
    }
    // Values above 32767 are written as negative 16-bit numbers.
    const long long code = token.parameter < 0 ? token.parameter + 65536LL : token.parameter;
    if (code > 0 && code <= 0xFFFF) {
        Emit(QString(QChar(static_cast<char16_t>(code))));
    }
    fallbackToSkip_ = state_.unicodeSkip;
}

void RtfInterpreter::OnControlSymbol(char symbol) {
    if (symbol == '*') {
        ignorableDestination_ = true;
        return;
    }
    if (SkipsFallback() || state_.destination == Destination::Skip) {
        return;
    }
    switch (symbol) {
        case '\\':
        case '{':
        case '}':
            Emit(QString(QChar::fromLatin1(symbol)));
            break;
        case '~':
            Emit(QString(QChar(0x00A0)));
            break;
        case '_':
            Emit(QString(QChar(0x2011)));
            break;
        case '\r':
        case '\n':
            if (state_.destination == Destination::Text) {
                builder_.EndParagraph(state_.alignment);
            }
            break;
        default:
            break;  // optional hyphens, index marks and the unknown
    }
}

void RtfInterpreter::OnText(QByteArrayView bytes) {
    const qsizetype skipped = std::min<qsizetype>(fallbackToSkip_, bytes.size());
    fallbackToSkip_ -= static_cast<int>(skipped);
    bytes = bytes.sliced(skipped);
    if (!bytes.isEmpty()) {
        Emit(Decode(bytes));
    }
}

bool RtfInterpreter::SkipsFallback() {
    if (fallbackToSkip_ <= 0) {
        return false;
    }
    --fallbackToSkip_;
    return true;
}

void RtfInterpreter::Emit(const QString& text) {
    switch (state_.destination) {
        case Destination::Text:
            if (!formatApplied_ || state_.characters != applied_) {
                builder_.SetFormat(FormatOf(state_.characters));
                applied_ = state_.characters;
                formatApplied_ = true;
            }
            builder_.Append(text);
            break;
        case Destination::FontTable:
            fonts_.AddText(text);
            break;
        case Destination::ColourTable:
            colours_.AddText(text);
            break;
        case Destination::Skip:
            break;
    }
}

QTextCharFormat RtfInterpreter::FormatOf(const CharacterState& characters) const {
    QTextCharFormat format;
    if (characters.bold) {
        format.setFontWeight(QFont::Bold);
    }
    if (characters.italic) {
        format.setFontItalic(true);
    }
    if (characters.underline) {
        format.setFontUnderline(true);
    }
    if (characters.strike) {
        format.setFontStrikeOut(true);
    }
    if (characters.halfPoints > 0) {
        format.setFontPointSize(characters.halfPoints / 2.0);
    }
    if (const QColor colour = colours_.At(characters.colour); colour.isValid()) {
        format.setForeground(colour);
    }
    if (const QString family = fonts_.Family(characters.font); !family.isEmpty()) {
        format.setFontFamilies(QStringList{family});
    }
    return format;
}

}  // namespace parlow::rtf

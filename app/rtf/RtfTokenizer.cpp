#include "app/rtf/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace parlow::rtf {
namespace {

// Longer names are not RTF; the rest of the letters are read but dropped.
constexpr std::size_t kMaxWordLength = 32;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool IsPlain(char c) {
    return c != '\\' && c != '{' && c != '}' && !IsLineEnd(c) && c != '\0';
}

int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

Token RtfTokenizer::Next() {
    while (!AtEnd()) {
        const char c = Peek();
        if (c == '{' || c == '}') {
            ++pos_;
            Token token;
            token.kind = c == '{' ? TokenKind::GroupStart : TokenKind::GroupEnd;
            return token;
        }
        if (c == '\\') {
            return ReadControl();
        }
        if (IsPlain(c)) {
            return ReadText();
        }
        ++pos_;  // line ends and NUL bytes carry no meaning in RTF
    }
    return {};
}

void RtfTokenizer::SkipBytes(long long count) {
    const long long left = input_.size() - pos_;
    pos_ += static_cast<qsizetype>(std::clamp(count, 0LL, left));
}

Token RtfTokenizer::ReadControl() {
    ++pos_;  // the backslash
    if (AtEnd()) {
        return {};
    }
    if (IsLetter(Peek())) {
        return ReadControlWord();
    }
    if (Peek() == '\'') {
        ++pos_;
        return ReadHexByte();
    }
    Token token;
    token.kind = TokenKind::ControlSymbol;
    token.symbol = input_[pos_++];
    return token;
}

Token RtfTokenizer::ReadControlWord() {
    Token token;
    token.kind = TokenKind::ControlWord;
    while (!AtEnd() && IsLetter(Peek())) {
        if (token.word.size() < kMaxWordLength) {
            token.word.push_back(Peek());
        }
        ++pos_;
    }
    token.parameter = ReadParameter(token.hasParameter);
    if (!AtEnd() && Peek() == ' ') {
        ++pos_;  // the delimiter belongs to the word
    }
    return token;
}

int RtfTokenizer::ReadParameter(bool& present) {
    const bool negative =
        !AtEnd() && Peek() == '-' && pos_ + 1 < input_.size() && IsDigit(input_[pos_ + 1]);
    if (negative) {
        ++pos_;
    }
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long value = 0;
    present = false;
    while (!AtEnd() && IsDigit(Peek())) {
        present = true;
        value = std::min(kLimit, value * 10 + (Peek() - '0'));
        ++pos_;
    }
    return static_cast<int>(negative ? -value : value);
}

Token RtfTokenizer::ReadHexByte() {
    int value = 0;
    for (int digits = 0; digits < 2 && !AtEnd() && HexValue(Peek()) >= 0; ++digits) {
        value = value * 16 + HexValue(Peek());
        ++pos_;
    }
    Token token;
    token.kind = TokenKind::HexByte;
    token.byte = static_cast<unsigned char>(value);
    return token;
}

Token RtfTokenizer::ReadText() {
    const qsizetype start = pos_;
    while (!AtEnd() && IsPlain(Peek())) {
        ++pos_;
    }
    Token token;
    token.kind = TokenKind::Text;
    token.text = QByteArrayView(input_.constData() + start, pos_ - start);
    return token;
}

}  // namespace parlow::rtf

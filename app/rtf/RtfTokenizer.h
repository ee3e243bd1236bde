#pragma once
// Splits RTF bytes into groups, control words, control symbols and runs of
// plain text. It never looks back, so a document of any shape is read in
// one pass, and every malformed construct still yields some token.
#include <QByteArray>
#include <QByteArrayView>
#include <string>

namespace parlow::rtf {

enum class TokenKind { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string word;  // ControlWord: its name
    bool hasParameter = false;
    int parameter = 0;       // ControlWord: clamped to the int range
    char symbol = 0;         // ControlSymbol: the character after the backslash
    unsigned char byte = 0;  // HexByte: the value of \'xx
    QByteArrayView text;     // Text: plain bytes, without line ends
};

class RtfTokenizer {
  public:
    explicit RtfTokenizer(const QByteArray& input) : input_(input) {}

    Token Next();
    // Steps over raw data that a control word announced (\binN).
    void SkipBytes(long long count);

  private:
    Token ReadControl();
    Token ReadControlWord();
    Token ReadHexByte();
    Token ReadText();
    int ReadParameter(bool& present);
    bool AtEnd() const { return pos_ >= input_.size(); }
    char Peek() const { return input_[pos_]; }

    const QByteArray& input_;
    qsizetype pos_ = 0;
};

}  // namespace parlow::rtf

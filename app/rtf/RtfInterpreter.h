#pragma once
// Runs the tokens of one RTF document: keeps the group state stack, fills
// the font and colour tables and hands formatted text to the builder.
#include <QByteArray>
#include <QTextCharFormat>
#include <vector>

#include "app/rtf/RtfDocumentBuilder.h"
#include "app/rtf/RtfTables.h"
#include "app/rtf/RtfTokenizer.h"

class QTextDocument;

namespace parlow::rtf {

struct WordMeaning;

struct CharacterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 0;  // 0: the box's own size
    int colour = 0;
    int font = -1;
    bool operator==(const CharacterState&) const = default;
};

enum class Destination { Text, Skip, FontTable, ColourTable };

struct GroupState {
    CharacterState characters;
    Destination destination = Destination::Text;
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1;
};

class RtfInterpreter {
  public:
    RtfInterpreter(const QByteArray& input, QTextDocument& document);
    void Run();

  private:
    void OnGroupStart();
    void OnGroupEnd();
    void OnControlWord(const Token& token);
    void OnControlSymbol(char symbol);
    void OnText(QByteArrayView bytes);
    void OnUnicode(const Token& token);
    void ApplyWord(const WordMeaning& meaning, const Token& token);
    void ApplyDestination(const WordMeaning& meaning);
    void ApplyColourComponent(const WordMeaning& meaning, int value);
    // True when the character stands in for a \u just read and is dropped.
    bool SkipsFallback();
    void Emit(const QString& text);
    QTextCharFormat FormatOf(const CharacterState& characters) const;

    RtfTokenizer tokens_;
    RtfDocumentBuilder builder_;
    FontTable fonts_;
    ColourTable colours_;
    GroupState state_;
    std::vector<GroupState> saved_;
    int groupsPastLimit_ = 0;
    int fallbackToSkip_ = 0;
    bool ignorableDestination_ = false;
    CharacterState applied_;
    bool formatApplied_ = false;
};

}  // namespace parlow::rtf

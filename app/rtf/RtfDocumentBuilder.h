#pragma once
// Writes the reader's text into a QTextDocument. Text is gathered into runs
// of one format and inserted a run at a time, inside one edit block and
// without undo history, so loading stays linear in the document's length.
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace parlow::rtf {

class RtfDocumentBuilder {
  public:
    explicit RtfDocumentBuilder(QTextDocument& document);
    RtfDocumentBuilder(const RtfDocumentBuilder&) = delete;
    RtfDocumentBuilder& operator=(const RtfDocumentBuilder&) = delete;

    void SetFormat(const QTextCharFormat& format);
    void Append(QChar character);
    void Append(const QString& text);
    // Ends the current paragraph, giving it the alignment then in effect.
    void EndParagraph(Qt::Alignment alignment);
    void Finish(Qt::Alignment alignment);

  private:
    void Flush();
    void AlignCurrentBlock(Qt::Alignment alignment);

    QTextDocument& document_;
    QTextCursor cursor_;
    QString pending_;
    QTextCharFormat format_;
    bool undoWasEnabled_;
    bool finished_ = false;
};

}  // namespace parlow::rtf

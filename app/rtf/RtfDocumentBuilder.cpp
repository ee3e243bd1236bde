#include "app/rtf/RtfDocumentBuilder.h"

#include <QTextBlockFormat>
#include <QTextDocument>

namespace parlow::rtf {

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document)
    : document_(document), undoWasEnabled_(document.isUndoRedoEnabled()) {
    document_.setUndoRedoEnabled(false);
    document_.clear();
    cursor_ = QTextCursor(&document_);
    cursor_.beginEditBlock();
}

void RtfDocumentBuilder::SetFormat(const QTextCharFormat& format) {
    if (format != format_) {
        Flush();
        format_ = format;
    }
}

void RtfDocumentBuilder::Append(QChar character) {
    pending_.append(character);
}

void RtfDocumentBuilder::Append(const QString& text) {
    pending_.append(text);
}

void RtfDocumentBuilder::EndParagraph(Qt::Alignment alignment) {
    Flush();
    AlignCurrentBlock(alignment);
    cursor_.insertBlock(QTextBlockFormat(), format_);
}

void RtfDocumentBuilder::Finish(Qt::Alignment alignment) {
    if (finished_) {
        return;
    }
    finished_ = true;
    Flush();
    AlignCurrentBlock(alignment);
    cursor_.endEditBlock();
    document_.setUndoRedoEnabled(undoWasEnabled_);
}

void RtfDocumentBuilder::Flush() {
    if (!pending_.isEmpty()) {
        cursor_.insertText(pending_, format_);
        pending_.clear();
    }
}

void RtfDocumentBuilder::AlignCurrentBlock(Qt::Alignment alignment) {
    QTextBlockFormat block = cursor_.blockFormat();
    if (block.alignment() != alignment) {
        block.setAlignment(alignment);
        cursor_.setBlockFormat(block);
    }
}

}  // namespace parlow::rtf

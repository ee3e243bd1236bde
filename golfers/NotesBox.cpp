#include "golfers/NotesBox.h"

#include <QTextCursor>

namespace parlow::golfers {

NotesBox::NotesBox(int maxLength, QWidget* parent) : QPlainTextEdit(parent), maxLength_(maxLength) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &NotesBox::CutOverflow);
}

// The overflow is what was just typed or pasted, so it is taken from just
// before the cursor and what the user already had stays. Text set as a whole
// leaves the cursor at the start; then the end goes.
void NotesBox::CutOverflow() {
    const int length = static_cast<int>(toPlainText().size());
    const int overflow = length - maxLength_;
    if (overflow <= 0) {
        return;
    }
    QTextCursor cursor = textCursor();
    const int end = cursor.position() >= overflow ? cursor.position() : length;
    cursor.setPosition(end - overflow);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

}  // namespace parlow::golfers

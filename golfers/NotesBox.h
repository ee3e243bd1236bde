#pragma once
// The free-text notes field: plain text, Tab leaves it like any other field,
// and it holds at most a given number of characters however the text
// arrives (typed or pasted).
#include <QPlainTextEdit>

namespace parlow::golfers {

class NotesBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    NotesBox(int maxLength, QWidget* parent = nullptr);
    int maxLength() const { return maxLength_; }

  private:
    void CutOverflow();

    int maxLength_;
};

}  // namespace parlow::golfers

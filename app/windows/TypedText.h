#pragma once
// Whether a screen holds text the user typed and has neither saved nor
// cleared. A field counts while its text is still what the user typed into
// it: text the screen itself put there (a record loaded, a field emptied)
// does not, and trimming what was typed does not undo it.
class QWidget;

namespace parlow {

// Follows the typing in every text field the screen holds now.
void WatchTypedText(QWidget* screen);

bool HoldsTypedText(const QWidget* screen);

}  // namespace parlow

#pragma once
// A screen in a child window keeps its fields at the size they need: when
// the window is smaller the screen scrolls, with the focused field brought
// into view; when it is larger the screen takes the extra room only in the
// directions its own layout asks for (a list grows), and otherwise keeps its
// rows together at the top left.
class QWidget;

namespace parlow {

// Moves the screen's layout, with the widgets it holds, into a scroll area
// that fills the screen. A screen without a layout is left as it is.
void LetScreenScroll(QWidget* screen);

}  // namespace parlow

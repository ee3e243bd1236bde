#pragma once
// How the child windows of the main window are laid out: cascaded, tiled
// either way, minimised ones lined up. One place for the rule, so a report
// opened from a review screen is arranged like a window opened from a menu.
class QMdiArea;

namespace parlow {

// Every window at its opening size, each a title bar lower and further right
// than the one behind it, cut to the room left so that no window reaches past
// the area's edge. When more are open than fit, the next starts again at the
// top left, as desktop programs do.
void CascadeWindows(QMdiArea* area);

enum class Stacking { OneAboveTheOther, SideBySide };
void TileWindows(QMdiArea* area, Stacking stacking);

// Lines the minimised windows up along the bottom, left to right.
void ArrangeIconWindows(QMdiArea* area);

}  // namespace parlow

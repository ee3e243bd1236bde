#pragma once
// The program's icon: a flag on a green, drawn so it needs no file.
#include <QIcon>
#include <QImage>

class QPainter;

namespace parlow {

// The icon is drawn on a square of this many units a side.
inline constexpr int kProgramIconUnits = 64;

// Draws the icon in those units onto any painter: a picture, or the
// desktop's scalable icon file.
void PaintProgramIcon(QPainter& painter);

QIcon ProgramIcon();

// One square picture of the icon; the build draws the desktop's icon files
// from it too, so the window and the menu show the same picture.
QImage DrawProgramIcon(int size);

}  // namespace parlow

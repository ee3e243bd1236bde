#pragma once
// The program's icon: a flag on a green, drawn so it needs no file.
#include <QIcon>
#include <QImage>

namespace parlow {

QIcon ProgramIcon();

// One square picture of the icon; the build draws the desktop's icon files
// from it too, so the window and the menu show the same picture.
QImage DrawProgramIcon(int size);

}  // namespace parlow

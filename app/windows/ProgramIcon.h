#pragma once
// The program's icon: a flag on a green, drawn so it needs no file.
#include <QIcon>

namespace parlow {

QIcon ProgramIcon();

}  // namespace parlow

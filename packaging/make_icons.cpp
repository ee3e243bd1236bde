// Draws the program's icon into a hicolor icon theme folder at the sizes the
// desktop looks for: <folder>/<n>x<n>/apps/parlow.png.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "app/windows/ProgramIcon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <hicolor folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + "/parlow.png";
        if (!QDir().mkpath(folder) || !parlow::DrawProgramIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

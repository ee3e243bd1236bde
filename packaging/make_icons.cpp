// Draws the program's icon into a hicolor icon theme folder at the sizes the
// desktop looks for, and once as a scalable picture:
//   <folder>/<n>x<n>/apps/<name>.png and <folder>/scalable/apps/<name>.svg
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "app/windows/ProgramIcon.h"

namespace {

bool DrawScalable(const QString& file) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(parlow::kProgramIconUnits, parlow::kProgramIconUnits));
    svg.setViewBox(QRect(0, 0, parlow::kProgramIconUnits, parlow::kProgramIconUnits));
    svg.setTitle("The Parlow's Log");
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    parlow::PaintProgramIcon(painter);
    return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons <hicolor folder> <icon name>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + "/" + name + ".png";
        if (!QDir().mkpath(folder) || !parlow::DrawProgramIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString scalable = root + "/scalable/apps";
    const QString file = scalable + "/" + name + ".svg";
    if (!QDir().mkpath(scalable) || !DrawScalable(file)) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

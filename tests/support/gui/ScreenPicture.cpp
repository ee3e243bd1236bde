#include "tests/support/gui/ScreenPicture.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstdio>

#include "tests/support/gui/GuiTest.h"

namespace testing_support {

bool SaveScreenPicture(QWidget* screen, const std::function<void()>& fill, const QString& file,
                       QSize desktop) {
    QMainWindow main;
    auto* mdi = new QMdiArea(&main);
    main.setCentralWidget(mdi);
    main.setWindowTitle("The Parlow's Log v3.1");
    QMdiSubWindow* sub = mdi->addSubWindow(screen);
    sub->resize(sub->sizeHint());
    main.resize(desktop.isEmpty() ? sub->sizeHint() + QSize(40, 40) : desktop);
    main.show();
    sub->show();
    GuiTest::ShowAndActivate(screen);
    fill();
    GuiTest::Settle();
    std::printf("%s: sub-window %dx%d\n", qPrintable(file), sub->width(), sub->height());
    return main.grab().save(file);
}

}  // namespace testing_support

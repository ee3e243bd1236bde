// The start-up benchmark's baselines: a bare Qt program showing an empty
// QMainWindow, linked against Qt Widgets alone, that ends when its window is
// closed. With --menus the window also has a menu bar with the program's
// top-level menus: a window that draws no text never loads the system's
// fonts, so this second baseline shows what any text on screen costs.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--menus") == 0) {
        for (const char* title : {"&File", "&Add", "&Edit", "&Reports", "&Window", "&Help"}) {
            window.menuBar()->addMenu(title)->addAction("E&xit");
        }
    }
    window.resize(1024, 720);
    window.show();
    return QApplication::exec();
}

// The start-up benchmark's baseline: a bare Qt program showing an empty
// QMainWindow, linked against Qt Widgets alone, that ends when its window is
// closed.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(1024, 720);
    window.show();
    return QApplication::exec();
}

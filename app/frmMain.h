#pragma once
// The main window: a multiple-document frame whose menus lead to every screen.
#include <QMainWindow>

class QMdiArea;

namespace parlow {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdi_; }

private:
    QMdiArea* mdi_;
};

}  // namespace parlow

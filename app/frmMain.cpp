#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>

#include "ProgramState.h"

namespace parlow {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this)) {
    setCentralWidget(mdi_);
    if (auto* clipboard = QApplication::clipboard()) {
        clipboard->clear();
    }
    setWindowTitle(kMainCaption);
    NewPutt();
}

}  // namespace parlow

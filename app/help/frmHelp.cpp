#include "app/help/frmHelp.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/rtf/RtfReader.h"
#include "ui/ProgramState.h"
#include "ui/ScreenSteps.h"

namespace parlow {
namespace {

void EmptyClipboard() {
    if (QClipboard* clipboard = QApplication::clipboard()) {
        clipboard->clear();
    }
}

}  // namespace

frmHelp::frmHelp(QWidget* parent) : QWidget(parent) {
    rtbHelp = new QTextEdit;
    cmdExit = new QPushButton(tr("e&Xit"));
    connect(cmdExit, &QPushButton::clicked, this, &frmHelp::cmdExit_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rtbHelp);
    layout->addLayout(buttons);
    resize(560, 480);
    Form_Load();
}

void frmHelp::Form_Load() {
    setWindowTitle(QStringLiteral("The Parlow's Log Help"));
    EmptyClipboard();
    LoadRtfFile(rtbHelp, ProgramFolder() / "help" / "The Parlow Log Help.rtf");
}

void frmHelp::cmdExit_Click() {
    EmptyClipboard();
    CloseScreen(this);
}

}  // namespace parlow

#include "app/frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <filesystem>
#include <optional>

#include "app/rtf/RtfReader.h"
#include "app/windows/ProgramIcon.h"
#include "app/windows/WebLinks.h"
#include "ui/Platform.h"
#include "ui/ProgramState.h"
#include "ui/QtPrompts.h"
#include "ui/modGlobal.h"

namespace parlow {

namespace {

std::optional<std::string> SystemInfoTool() {
    try {
        std::string tool =
            ReadRegistryString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", false, false,
                               false, false, true, false, false, false);
        if (!tool.empty()) {
            return tool;
        }
        tool = ReadRegistryString("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", false,
                                  false, false, false, true, false, false, false) +
               "\\MSINFO32.EXE";
        std::error_code ec;
        if (std::filesystem::is_regular_file(tool, ec)) {
            return tool;
        }
    } catch (...) {
    }
    return std::nullopt;
}

// The whole path is the program, blanks and all.
std::string Quoted(const std::string& program) {
    return '"' + program + '"';
}

QFont ProductNameFont() {
    QFont font("Comic Sans MS");
    font.setPointSize(20);
    font.setBold(true);
    return font;
}

}  // namespace

QString VersionText() {
    return QString("Version %1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      lblTitle(new QLabel("The Parlow's Log", this)),
      lblVersion(new QLabel(this)),
      txtAbout(new QTextEdit(this)),
      cmdOK(new QPushButton("&OK", this)),
      cmdSysInfo(new QPushButton("&System Info...", this)),
      cmdUpdates(new QPushButton("&Updates", this)) {
    setObjectName("frmAbout");
    lblTitle->setObjectName("lblTitle");
    lblVersion->setObjectName("lblVersion");
    txtAbout->setObjectName("txtAbout");
    cmdOK->setObjectName("cmdOK");
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdUpdates->setObjectName("cmdUpdates");
    lblTitle->setFont(ProductNameFont());
    txtAbout->setReadOnly(true);
    cmdOK->setDefault(true);
    LayOut();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSystemInfo);
    connect(cmdUpdates, &QPushButton::clicked, this, [] { OpenWebPage(kProductPage); });
    Load();
}

void frmAbout::LayOut() {
    auto* picture = new QLabel(this);
    picture->setPixmap(ProgramIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto* heading = new QVBoxLayout;
    heading->addWidget(lblTitle);
    heading->addWidget(lblVersion);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(heading, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdUpdates);
    buttons->addStretch(1);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addWidget(txtAbout, 1);
    whole->addLayout(buttons);
    resize(520, 400);
}

void frmAbout::Load() {
    try {
        setWindowTitle("About The Parlow's Log");
        lblVersion->setText(VersionText());
        LoadRtfFile(txtAbout, ProgramFolder() / "text" / "About.rtf");
    } catch (...) {
    }
}

void frmAbout::StartSystemInfo() {
    const auto tool = SystemInfoTool();
    // A tool that is named but will not start is as unavailable as a missing one.
    if (!tool || !StartDetached(Quoted(*tool))) {
        ShowMessage("System Information Is Unavailable At This Time", zeviza::Icon::None);
    }
}

}  // namespace parlow

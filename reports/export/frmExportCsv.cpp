#include "reports/export/frmExportCsv.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "reports/export/CsvExport.h"
#include "reports/handicap_record/HandicapExport.h"
#include "reports/preview/PdfFolder.h"
#include "transfer/rules/ExportText.h"
#include "ui/BusyCursor.h"
#include "ui/LocalToday.h"
#include "ui/ProgramState.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"

namespace parlow::reports {

namespace {

constexpr const char* kCaption = "Export to CSV";
const std::array<const char*, 5> kOptionTexts = {
    "&Golfers", "&Courses", "G&ames", "&Statistics (one row per golfer)", "&Handicap record of"};
constexpr std::size_t kHandicapOption = 4;

}  // namespace

frmExportCsv::frmExportCsv(QWidget* parent) : QWidget(parent) {
    parlow::OpenPuttIfAny();
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parlow::NewHeading(kCaption, this));
    layout->addWidget(new QLabel("Records to export:", this));
    for (std::size_t i = 0; i < optKind.size(); ++i) {
        optKind[i] = new QRadioButton(kOptionTexts[i], this);
        if (i != kHandicapOption) {
            layout->addWidget(optKind[i]);
        }
    }
    cboGolfer = new QComboBox(this);
    parlow::ReadSharedRows([](zeviza::Putt& putt) { return putt.LoadGolferList(); },
                           [this](const zeviza::RecordSet& golfer) {
                               cboGolfer->addItem(
                                   QString::fromStdString(golfer.Field("FullName").ToText()),
                                   QString::fromStdString(golfer.Field("GolferID").ToText()));
                           });
    cboGolfer->setEnabled(false);
    auto* handicap = new QHBoxLayout;
    handicap->addWidget(optKind[kHandicapOption]);
    handicap->addWidget(cboGolfer, 1);
    layout->addLayout(handicap);
    connect(optKind[kHandicapOption], &QRadioButton::toggled, cboGolfer, &QWidget::setEnabled);
    optKind[2]->setChecked(true);
    cmdExport = new QPushButton("&Export...", this);
    cmdExit = new QPushButton("E&xit", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdExit);
    layout->addLayout(buttons);
    connect(cmdExport, &QPushButton::clicked, this, &frmExportCsv::Export);
    connect(cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

const char* frmExportCsv::ChosenKind() const {
    if (optKind[kHandicapOption]->isChecked()) {
        return "handicap";
    }
    for (std::size_t i = 0; i < transfer::kExportChoices.size(); ++i) {
        if (optKind[i]->isChecked()) {
            return transfer::kExportChoices[i].name;
        }
    }
    return transfer::kExportChoices[2].name;
}

void frmExportCsv::Export() {
    std::string what = ChosenKind();
    if (what == "handicap") {
        if (cboGolfer->currentIndex() < 0) {
            parlow::ShowMessage("Select a Golfer", zeviza::Icon::Warning);
            return;
        }
        what += " " + cboGolfer->currentData().toString().toStdString();
    }
    const QString proposed = QString::fromStdString(transfer::ProposedFileName(what, LocalToday()));
    QString file = QFileDialog::getSaveFileName(
        this, "Export to CSV", QDir(PdfStartingFolder()).filePath(proposed), "CSV files (*.csv)");
    if (file.isEmpty()) {
        return;
    }
    RememberPdfFolder(file);
    if (!file.endsWith(".csv", Qt::CaseInsensitive)) {
        file += ".csv";
    }
    ExportTo(file);
}

bool frmExportCsv::ExportTo(const QString& file) {
    std::string error;
    bool written = false;
    {
        parlow::BusyCursor busy;
        const std::string target = QFile::encodeName(file).toStdString();
        written = optKind[kHandicapOption]->isChecked()
                      ? ExportHandicapCsv(parlow::ProgramFolder(),
                                          cboGolfer->currentData().toString().toStdString(), target,
                                          error) == kExportWritten
                      : ExportRecordsCsv(parlow::ProgramFolder(), ChosenKind(), target, error);
    }
    if (!written) {
        parlow::ShowMessage("The export was NOT saved.\r\n\r\n" + error, zeviza::Icon::Critical);
        return false;
    }
    parlow::ShowMessage("Exported to " + QDir::toNativeSeparators(file).toStdString(),
                        zeviza::Icon::Information);
    return true;
}

QWidget* CreateExportCsvScreen(QWidget* parent) {
    return new frmExportCsv(parent);
}

}  // namespace parlow::reports

#include "reports/export/frmExportCsv.h"

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
#include "reports/preview/PdfFolder.h"
#include "transfer/rules/ExportText.h"
#include "ui/BusyCursor.h"
#include "ui/ProgramState.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"

namespace parlow::reports {

namespace {

constexpr const char* kCaption = "Export to CSV";
const std::array<const char*, 4> kOptionTexts = {"&Golfers", "&Courses", "G&ames",
                                                 "&Statistics (one row per golfer)"};

std::chrono::year_month_day Today() {
    const QDate today = QDate::currentDate();
    return std::chrono::year(today.year()) / static_cast<unsigned>(today.month()) /
           static_cast<unsigned>(today.day());
}

}  // namespace

frmExportCsv::frmExportCsv(QWidget* parent) : QWidget(parent) {
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parlow::NewHeading(kCaption, this));
    layout->addWidget(new QLabel("Records to export:", this));
    for (std::size_t i = 0; i < optKind.size(); ++i) {
        optKind[i] = new QRadioButton(kOptionTexts[i], this);
        layout->addWidget(optKind[i]);
    }
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
    for (std::size_t i = 0; i < optKind.size(); ++i) {
        if (optKind[i]->isChecked()) {
            return transfer::kExportChoices[i].name;
        }
    }
    return transfer::kExportChoices[2].name;
}

void frmExportCsv::Export() {
    const QString proposed =
        QString::fromStdString(transfer::ProposedFileName(ChosenKind(), Today()));
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
        written = ExportRecordsCsv(parlow::ProgramFolder(), ChosenKind(),
                                   QFile::encodeName(file).toStdString(), error);
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

#include "transfer/frmImportCsv.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "transfer/ImportCommand.h"
#include "ui/BusyCursor.h"
#include "ui/LocalToday.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"

namespace parlow::transfer {

namespace {

constexpr const char* kCaption = "Import from CSV";

}  // namespace

frmImportCsv::frmImportCsv(QWidget* parent) : QWidget(parent) {
    parlow::OpenPuttIfAny();
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parlow::NewHeading(kCaption, this));
    layout->addWidget(new QLabel("Records to import, with the columns their export has:", this));
    optCourses = new QRadioButton("&Courses", this);
    optGames = new QRadioButton("&Games", this);
    optGames->setChecked(true);
    layout->addWidget(optCourses);
    layout->addWidget(optGames);
    cmdChoose = new QPushButton("Choose &File...", this);
    auto* choose = new QHBoxLayout;
    choose->addWidget(cmdChoose);
    choose->addStretch();
    layout->addLayout(choose);
    lblSummary = new QLabel(this);
    lblSummary->setWordWrap(true);
    layout->addWidget(lblSummary);
    txtRefusals = new QPlainTextEdit(this);
    txtRefusals->setReadOnly(true);
    txtRefusals->setMinimumSize(520, 160);
    layout->addWidget(txtRefusals);
    cmdImport = new QPushButton("&Import", this);
    cmdCancel = new QPushButton("Ca&ncel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    Forget();
    connect(cmdChoose, &QPushButton::clicked, this, &frmImportCsv::ChooseFile);
    connect(cmdImport, &QPushButton::clicked, this, [this] { Import(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
    // A preview of one kind says nothing about the other.
    connect(optCourses, &QRadioButton::toggled, this, [this] { Forget(); });
}

ImportKind frmImportCsv::ChosenKind() const {
    return optCourses->isChecked() ? ImportKind::Courses : ImportKind::Games;
}

void frmImportCsv::Forget() {
    plan_.reset();
    lblSummary->setText("Choose the file to import.");
    txtRefusals->clear();
    cmdImport->setEnabled(false);
}

void frmImportCsv::ChooseFile() {
    const QString file =
        QFileDialog::getOpenFileName(this, kCaption, QDir::homePath(), "CSV files (*.csv)");
    if (!file.isEmpty()) {
        Preview(file);
    }
}

void frmImportCsv::Preview(const QString& file) {
    Forget();
    parlow::BusyCursor busy;
    zeviza::Putt* putt = parlow::CurrentPutt();
    if (putt == nullptr) {
        lblSummary->setText("The log cannot be read.");
        return;
    }
    try {
        plan_ = PlanImportOfFile(*putt, ChosenKind(), QFile::encodeName(file).toStdString(),
                                 LocalToday());
    } catch (const std::exception& e) {
        lblSummary->setText(QString::fromStdString(OneLine(e.what())));
        return;
    }
    const QString name = QDir::toNativeSeparators(file);
    if (!plan_->fileProblem.empty()) {
        lblSummary->setText(name + "\n" + QString::fromStdString(plan_->fileProblem) +
                            "; nothing can be imported.");
        return;
    }
    QString summary = name + "\n" + QString::fromStdString(PlanSummary(*plan_));
    if (!plan_->Importable()) {
        summary += "\nA file with refused rows imports nothing: correct them and choose it again.";
    } else if (plan_->NewRecords() == 0) {
        summary += "\nNothing new to import.";
    }
    lblSummary->setText(summary);
    QStringList lines;
    for (const std::string& line : RefusalLines(*plan_)) {
        lines << QString::fromStdString(line);
    }
    txtRefusals->setPlainText(lines.join('\n'));
    cmdImport->setEnabled(plan_->Importable() && plan_->NewRecords() > 0);
}

bool frmImportCsv::Import() {
    if (!plan_ || !plan_->Importable() || plan_->NewRecords() == 0) {
        return false;
    }
    const parlow::RecordKinds kinds =
        plan_->kind == ImportKind::Courses
            ? parlow::RecordKinds(parlow::RecordKind::Courses)
            : parlow::RecordKinds(parlow::RecordKind::Games) | parlow::RecordKind::Golfers;
    const std::size_t added = plan_->NewRecords();
    bool written = false;
    {
        parlow::BusyCursor busy;
        written = parlow::WriteStep(
            this, kinds, [this](zeviza::Putt& putt) { return CarryOutImport(putt, *plan_); });
    }
    Forget();
    if (!written) {
        parlow::ShowMessage("Records NOT Imported", zeviza::Icon::Critical);
        return false;
    }
    parlow::ShowMessage(
        std::to_string(added) + (kinds & parlow::RecordKind::Courses ? " Course Records Imported"
                                                                     : " Game Records Imported"),
        zeviza::Icon::Information);
    parlow::CloseScreen(this);
    return true;
}

QWidget* CreateImportCsvScreen(QWidget* parent) {
    return new frmImportCsv(parent);
}

}  // namespace parlow::transfer

#include "golfers/frmEditGolfer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "golfers/GolferForm.h"
#include "golfers/rules/GolferChecks.h"
#include "golfers/rules/GolferRecord.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"
#include "ui/modGlobal.h"

namespace parlow::golfers {
namespace {

constexpr const char* kCaption = "Edit Golfer Records";

}  // namespace

frmEditGolfer::frmEditGolfer(QWidget* parent) : QWidget(parent) {
    parlow::OpenPuttIfAny();
    setWindowTitle(kCaption);
    lblHeading = parlow::NewHeading(kCaption, this);
    cboGolfer = new QComboBox(this);
    cboGolfer->setMinimumContentsLength(30);
    cboGolfer->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboGolferID = new QComboBox(this);
    cboGolferID->hide();
    form = new GolferForm(this);
    setTabOrder(cboGolfer, form->txtBox[kFirstName]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(cboGolfer, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(form);

    FillGolferList();
    // Chosen by the user, even the golfer already shown: the record is read
    // again, which throws away changes not saved.
    connect(cboGolfer, &QComboBox::activated, this, &frmEditGolfer::ShowChosenGolfer);
    connect(form->cmdSave, &QPushButton::clicked, this, &frmEditGolfer::Save);
    connect(form->cmdClear, &QPushButton::clicked, this, &frmEditGolfer::Clear);
    connect(form->cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

// Filling chooses nobody: the list shows no text until the user picks.
void frmEditGolfer::FillGolferList() {
    const QSignalBlocker blockNames(cboGolfer);
    cboGolfer->clear();
    cboGolferID->clear();
    parlow::ReadSharedRows(
        [](zeviza::Putt& putt) { return putt.LoadGolfer(); },
        [this](const zeviza::RecordSet& row) {
            cboGolfer->addItem(QString::fromStdString(row.Field("FullName").ToText()));
            cboGolferID->addItem(QString::fromStdString(row.Field("GolferID").ToText()));
        });
    cboGolfer->setCurrentIndex(-1);
    cboGolferID->setCurrentIndex(-1);
}

void frmEditGolfer::ShowChosenGolfer(int position) {
    if (position < 0) {
        return;
    }
    cboGolferID->setCurrentIndex(position);
    {
        parlow::BusyCursor busy;
        const std::string id = ChosenGolferID();
        parlow::SharedRecordset() =
            parlow::PuttStep([&id](zeviza::Putt& putt) { return putt.LoadGolferEdit(id); });
        if (auto& golfer = parlow::SharedRecordset(); golfer && !golfer->IsEmpty()) {
            form->ShowGolfer(*golfer);
        }
    }
    parlow::CloseSharedRecordset();
}

std::string frmEditGolfer::ChosenGolferID() const {
    return cboGolferID->currentIndex() < 0 ? std::string()
                                           : cboGolferID->currentText().toStdString();
}

// As on the entry screen, a refused update keeps the golfer on screen.
void frmEditGolfer::Save() {
    const GolferCheckResult chosen = CheckGolferChosen(cboGolfer->currentText().toStdString());
    if (!Passes(chosen, cboGolfer)) {
        return;
    }
    parlow::TrimTextFields(this);
    const GolferEntry entry = form->Entry();
    const GolferCheckResult check = ValidateGolfer(entry, GolferScreen::Edit);
    if (!Passes(check, form->FieldFor(check.focus))) {
        return;
    }
    bool saved = false;
    {
        parlow::BusyCursor busy;
        GolferRecord record = UpdateGolferRecord(entry);
        if (record.handicapReplaced) {
            form->ShowHandicapNotNumber();
        }
        std::string id = ChosenGolferID();
        saved = parlow::PuttStep([&record, &id](zeviza::Putt& putt) {
            return putt.UpdateGolfer(record.strText, record.intAge, record.sngHandicap, id);
        });
    }
    if (!saved) {
        parlow::ShowMessage("Record NOT Updated", zeviza::Icon::Warning);
        return;
    }
    if (parlow::AskYesNo("Golfer Record Updated\r\n\r\nWould you like to update another Golfer?",
                         {}, zeviza::Answer::No)) {
        Clear();
        FillGolferList();
    } else {
        parlow::CloseScreen(this);
    }
}

void frmEditGolfer::Clear() {
    form->EmptyFields();
    {
        const QSignalBlocker blockNames(cboGolfer);
        cboGolfer->setCurrentIndex(-1);
    }
    cboGolferID->setCurrentIndex(-1);
    cboGolfer->setFocus(Qt::OtherFocusReason);
}

}  // namespace parlow::golfers

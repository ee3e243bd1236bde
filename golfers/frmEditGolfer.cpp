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
#include "ui/HandicapSummary.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"
#include "ui/ShownWrite.h"
#include "ui/modGlobal.h"

namespace parlow::golfers {
namespace {

constexpr const char* kCaption = "Edit Golfer Records";
constexpr const char* kChanged =
    "Record NOT Updated\r\n\r\nThis golfer was changed or removed since it was chosen.\r\n"
    "The list now shows the golfers as they are stored: choose the golfer again.";
// The golfer's games take the golfer's new name, category and handicap.
constexpr parlow::RecordKinds kWrites = {parlow::RecordKind::Golfers, parlow::RecordKind::Games};

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
    handicap = new parlow::HandicapSummary(this);
    setTabOrder(cboGolfer, form->txtBox[kFirstName]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(cboGolfer, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(form);
    layout->addWidget(handicap);

    FillGolferList();
    parlow::RefillOnWrite(this, parlow::RecordKind::Golfers, [this] { RefillKeepingChoice(); });
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

void frmEditGolfer::RefillKeepingChoice() {
    const QString id = QString::fromStdString(ChosenGolferID());
    FillGolferList();
    const int position = id.isEmpty() ? -1 : cboGolferID->findText(id);
    {
        const QSignalBlocker blockNames(cboGolfer);
        cboGolfer->setCurrentIndex(position);
    }
    cboGolferID->setCurrentIndex(position);
    if (position < 0) {
        loaded_ = {};
    }
}

void frmEditGolfer::ForgetChoice() {
    {
        const QSignalBlocker blockNames(cboGolfer);
        cboGolfer->setCurrentIndex(-1);
    }
    cboGolferID->setCurrentIndex(-1);
    loaded_ = {};
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
            loaded_ = zeviza::ShownRecord::Of(*golfer);
        }
    }
    parlow::CloseSharedRecordset();
    handicap->ShowGolfer(ChosenGolferID());
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
    const BuiltGolfer built = BuildGolferRecord(entry, ChosenGolferID());
    if (built.handicapReplaced) {
        form->ShowHandicapNotNumber();
    }
    // Changed meanwhile: nothing is written, what was typed stays, and the
    // golfer is to be chosen again from the list as it now is.
    parlow::ShownWrite write{this, kWrites, loaded_, kChanged, [this] {
                                 ForgetChoice();
                                 FillGolferList();
                             }};
    const parlow::ShownWriteResult result =
        parlow::WriteAsShown(write, [&built](zeviza::Putt& putt, zeviza::ShownRecord* shown) {
            return putt.UpdateGolfer(built.record, shown);
        });
    if (result == parlow::ShownWriteResult::RecordChanged) {
        return;
    }
    if (result == parlow::ShownWriteResult::NotWritten) {
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
    ForgetChoice();
    handicap->Clear();
    cboGolfer->setFocus(Qt::OtherFocusReason);
}

}  // namespace parlow::golfers

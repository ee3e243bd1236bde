#include "golfers/frmAddGolfer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "golfers/GolferForm.h"
#include "golfers/rules/GolferChecks.h"
#include "golfers/rules/GolferRecord.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenSteps.h"
#include "ui/modGlobal.h"
#include "zeviza/Identifiers.h"

namespace parlow::golfers {
namespace {

// From the largest row number; with none read the first identifier is formed
// (should it be taken already, the library refuses the save and says so).
std::string NewGolferIdentifier() {
    std::optional<std::string> identifier;
    parlow::ReadSharedRows(
        [](zeviza::Putt& putt) { return putt.GetNewGolferID(); },
        [&identifier](const zeviza::RecordSet& row) { identifier = MakeNewGolferID(&row); });
    return identifier.value_or(zeviza::FormIdentifier(zeviza::kGolferIdentifiers, {}));
}

}  // namespace

frmAddGolfer::frmAddGolfer(QWidget* parent) : QWidget(parent) {
    parlow::OpenPuttIfAny();
    setWindowTitle("Add New Golfer Record");
    form = new GolferForm(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    form->txtBox[kAge]->setText("0");
    connect(form->cmdSave, &QPushButton::clicked, this, &frmAddGolfer::Save);
    connect(form->cmdClear, &QPushButton::clicked, this, &frmAddGolfer::Clear);
    connect(form->cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

// A save the library refuses keeps every field, so the golfer can be saved
// again once the cause is put right.
void frmAddGolfer::Save() {
    parlow::TrimTextFields(this);
    const GolferEntry entry = form->Entry();
    const GolferCheckResult check = ValidateGolfer(entry, GolferScreen::Entry);
    if (!Passes(check, form->FieldFor(check.focus))) {
        return;
    }
    bool saved = false;
    {
        parlow::BusyCursor busy;
        const BuiltGolfer built = BuildGolferRecord(entry, NewGolferIdentifier());
        if (built.handicapReplaced) {
            form->ShowHandicapNotNumber();
        }
        saved = parlow::WriteStep(this, parlow::RecordKind::Golfers, [&built](zeviza::Putt& putt) {
            return putt.AddGolfer(built.record);
        });
    }
    if (!saved) {
        parlow::ShowMessage("Record NOT Saved", zeviza::Icon::Warning);
        return;
    }
    if (parlow::AskYesNo("Golfer Record Saved\r\n\r\nWould you like to add another Golfer?", {},
                         zeviza::Answer::No)) {
        Clear();
    } else {
        parlow::CloseScreen(this);
    }
}

void frmAddGolfer::Clear() {
    form->EmptyFields();
    form->txtBox[kAge]->setText("0");
    form->txtBox[kFirstName]->setFocus(Qt::OtherFocusReason);
}

}  // namespace parlow::golfers

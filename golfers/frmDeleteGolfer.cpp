#include "golfers/frmDeleteGolfer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/BusyCursor.h"
#include "ui/RemovalScreen.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/FieldBehaviour.h"
#include "ui/fields/RecordList.h"
#include "ui/fields/ValueLabel.h"

namespace parlow::golfers {
namespace {

constexpr const char* kCaption = "Remove Golfer Records";
const parlow::RemovalTexts kRemovalTexts = {"Select a Golfer record to remove",
                                            zeviza::Icon::Critical, "Golfer Record Removed",
                                            "Golfer Record NOT Removed"};

enum Column : int { kIdColumn, kNameColumn, kAddressColumn, kClubColumn };

}  // namespace

frmDeleteGolfer::frmDeleteGolfer(QWidget* parent) : QWidget(parent) {
    setWindowTitle(kCaption);
    parlow::OpenPuttIfAny();
    CreateControls();
    LayOut();
    auto* behaviour = new parlow::FieldBehaviour(this, {}, cmdRemove);
    behaviour->AddRecordList(lvGolfer, [this](QTreeWidgetItem* row) { ShowGolfer(row); });
    FillList();
    connect(cmdRemove, &QPushButton::clicked, this, &frmDeleteGolfer::Remove);
    connect(cmdClear, &QPushButton::clicked, this, &frmDeleteGolfer::Clear);
}

void frmDeleteGolfer::CreateControls() {
    lblHeading = parlow::NewHeading(kCaption, this);
    lvGolfer = parlow::NewRecordList(this, {"Golfer ID", "Full Name", "Address", "Home Course"},
                                     {10, 26, 26, 24});
    lblGolferID = new parlow::ValueLabel(this);
    lblFullName = new parlow::ValueLabel(this);
    lblAddress = new parlow::ValueLabel(this);
    lblClub = new parlow::ValueLabel(this);
    const parlow::RemovalButtons buttons = parlow::NewRemovalButtons(this);
    cmdRemove = buttons.remove;
    cmdClear = buttons.clear;
    cmdExit = buttons.exit;
}

void frmDeleteGolfer::LayOut() {
    auto* chosen = new QGridLayout;
    chosen->addWidget(lblGolferID, 0, 1);
    const std::pair<const char*, QLabel*> captioned[] = {
        {"Full Name", lblFullName}, {"Address", lblAddress}, {"Home Course", lblClub}};
    int row = 1;
    for (const auto& [caption, value] : captioned) {
        chosen->addWidget(new QLabel(caption, this), row, 0, Qt::AlignRight | Qt::AlignVCenter);
        chosen->addWidget(value, row++, 1);
    }
    chosen->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(lvGolfer, 1);
    layout->addLayout(chosen);
    layout->addLayout(parlow::NewButtonRow(this, {cmdRemove, cmdClear, cmdExit}));
}

void frmDeleteGolfer::FillList() {
    parlow::FillRecordList(lvGolfer, [](zeviza::Putt& putt) { return putt.LoadGolfer(); },
                           {"GolferID", "FullName", "Address", "Club"});
}

void frmDeleteGolfer::ShowGolfer(QTreeWidgetItem* row) {
    parlow::BusyCursor busy;
    lblGolferID->setText(row->data(kIdColumn, Qt::UserRole).toString());
    lblFullName->setText(row->text(kNameColumn));
    lblAddress->setText(row->text(kAddressColumn));
    lblClub->setText(row->text(kClubColumn));
}

void frmDeleteGolfer::Remove() {
    std::string id = lblGolferID->text().toStdString();
    if (parlow::RemoveChosen(lblGolferID->text(), kRemovalTexts,
                             [&id](zeviza::Putt& putt) { return putt.DeleteGolfer(id); })) {
        Clear();
        FillList();
    }
}

void frmDeleteGolfer::Clear() {
    parlow::ClearValues({lblGolferID, lblFullName, lblAddress, lblClub});
}

}  // namespace parlow::golfers

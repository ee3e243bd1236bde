#include "frmDeleteGolfer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "FieldBehaviour.h"
#include "QtPrompts.h"
#include "ScreenHeading.h"
#include "ScreenSteps.h"
#include "ValueLabel.h"

namespace golfers {
namespace {

constexpr const char* kCaption = "Remove Golfer Records";

enum Column : int { kIdColumn, kNameColumn, kAddressColumn, kClubColumn };

QTreeWidgetItem* NewRow(const zeviza::RecordSet& golfer) {
    auto text = [&golfer](const char* column) {
        return QString::fromStdString(golfer.Field(column).ToText());
    };
    auto* row = new QTreeWidgetItem(
        QStringList{text("GolferID"), text("FullName"), text("Address"), text("Club")});
    row->setData(kIdColumn, Qt::UserRole, text("GolferID"));  // the row's key
    return row;
}

}  // namespace

frmDeleteGolfer::frmDeleteGolfer(QWidget* parent) : QWidget(parent) {
    setWindowTitle(kCaption);
    try {
        parlow::NewPutt();
    } catch (...) {
    }
    CreateControls();
    LayOut();
    auto* behaviour = new parlow::FieldBehaviour(this, {}, cmdRemove);
    behaviour->AddRecordList(lvGolfer, [this](QTreeWidgetItem* row) { ShowGolfer(row); });
    FillList();
    connect(cmdRemove, &QPushButton::clicked, this, &frmDeleteGolfer::Remove);
    connect(cmdClear, &QPushButton::clicked, this, &frmDeleteGolfer::Clear);
    connect(cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

void frmDeleteGolfer::CreateControls() {
    lblHeading = parlow::NewHeading(kCaption, this);
    lvGolfer = new QTreeWidget(this);
    lvGolfer->setHeaderLabels({"Golfer ID", "Full Name", "Address", "Home Course"});
    lvGolfer->setRootIsDecorated(false);
    lvGolfer->setUniformRowHeights(true);
    lvGolfer->setAllColumnsShowFocus(true);
    lvGolfer->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide and tall enough to show every column and a dozen golfers at once.
    const int charWidth = fontMetrics().horizontalAdvance('0');
    int width = 0;
    for (auto [column, chars] :
         {std::pair{kIdColumn, 10}, {kNameColumn, 26}, {kAddressColumn, 26}, {kClubColumn, 24}}) {
        lvGolfer->setColumnWidth(column, charWidth * chars);
        width += charWidth * chars;
    }
    lvGolfer->setMinimumSize(width + 2 * lvGolfer->frameWidth() + 4, fontMetrics().height() * 14);
    lblGolferID = new parlow::ValueLabel(this);
    lblFullName = new parlow::ValueLabel(this);
    lblAddress = new parlow::ValueLabel(this);
    lblClub = new parlow::ValueLabel(this);
    cmdRemove = new QPushButton("&Remove", this);
    cmdClear = new QPushButton("&Clear", this);
    cmdExit = new QPushButton("e&Xit", this);
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

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cmdRemove, cmdClear, cmdExit}) {
        button->setMinimumWidth(fontMetrics().horizontalAdvance('0') * 10);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(lvGolfer, 1);
    layout->addLayout(chosen);
    layout->addLayout(buttons);
}

void frmDeleteGolfer::FillList() {
    parlow::BusyCursor busy;
    lvGolfer->clear();
    parlow::ReadSharedRows(
        [](zeviza::Putt& putt) { return putt.LoadGolfer(); },
        [this](const zeviza::RecordSet& golfer) { lvGolfer->addTopLevelItem(NewRow(golfer)); });
}

void frmDeleteGolfer::ShowGolfer(QTreeWidgetItem* row) {
    parlow::BusyCursor busy;
    lblGolferID->setText(row->data(kIdColumn, Qt::UserRole).toString());
    lblFullName->setText(row->text(kNameColumn));
    lblAddress->setText(row->text(kAddressColumn));
    lblClub->setText(row->text(kClubColumn));
}

void frmDeleteGolfer::Remove() {
    if (lblGolferID->text().isEmpty()) {
        parlow::ShowMessage("Select a Golfer record to remove", zeviza::Icon::Critical);
        return;
    }
    bool removed = false;
    {
        parlow::BusyCursor busy;
        std::string id = lblGolferID->text().toStdString();
        removed = parlow::PuttStep([&id](zeviza::Putt& putt) { return putt.DeleteGolfer(id); });
    }
    if (!removed) {
        parlow::ShowMessage("Golfer Record NOT Removed", zeviza::Icon::Warning);
        return;
    }
    parlow::ShowMessage("Golfer Record Removed", zeviza::Icon::Warning);
    Clear();
    FillList();
}

void frmDeleteGolfer::Clear() {
    for (QLabel* label : {lblGolferID, lblFullName, lblAddress, lblClub}) {
        label->clear();
    }
}

}  // namespace golfers

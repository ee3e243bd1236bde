#include "courses/frmDeleteClub.h"

#include <QGridLayout>
#include <QHBoxLayout>
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

namespace parlow::courses {
namespace {

constexpr const char* kCaption = "Remove Club Records";
const parlow::RemovalTexts kRemovalTexts = {"Select a Course record to remove",
                                            zeviza::Icon::Warning, "Club Record Removed",
                                            "Club Record NOT Removed"};

enum Column : int { kIdColumn, kNameColumn, kCityColumn, kTeesColumn };

}  // namespace

frmDeleteClub::frmDeleteClub(QWidget* parent) : QWidget(parent) {
    setWindowTitle(kCaption);
    parlow::OpenPuttIfAny();
    CreateControls();
    LayOut();
    auto* behaviour = new parlow::FieldBehaviour(this, {}, cmdDelete);
    behaviour->AddRecordList(lvClub, [this](QTreeWidgetItem* row) { ShowSelectedCourse(row); });
    FillCourseView();
    connect(cmdDelete, &QPushButton::clicked, this, &frmDeleteClub::Remove);
    connect(cmdClear, &QPushButton::clicked, this, &frmDeleteClub::Clear);
}

void frmDeleteClub::CreateControls() {
    lblHeading = parlow::NewHeading("Remove Club / Course Records", this);
    lvClub = parlow::NewRecordList(this, {"ID", "Club Name", "City", "Tees"}, {8, 36, 26, 10});
    lblID = new parlow::ValueLabel(this, 6);
    lblClub = new parlow::ValueLabel(this, 26);
    lblCity = new parlow::ValueLabel(this, 18);
    lblTees = new parlow::ValueLabel(this, 6);
    const parlow::RemovalButtons buttons = parlow::NewRemovalButtons(this);
    cmdDelete = buttons.remove;
    cmdClear = buttons.clear;
    cmdExit = buttons.exit;
}

// The four captions stand over their values in one row, like the list's columns.
void frmDeleteClub::LayOut() {
    QGridLayout* chosen = parlow::NewValuesUnderCaptions(
        this,
        {{"ID", lblID}, {"Club / Course Name", lblClub}, {"City", lblCity}, {"Tees", lblTees}});
    chosen->setColumnStretch(1, 3);
    chosen->setColumnStretch(2, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(lvClub, 1);
    layout->addLayout(chosen);
    layout->addSpacing(6);
    layout->addLayout(parlow::NewButtonRow(this, {cmdDelete, cmdClear, cmdExit}));
}

void frmDeleteClub::FillCourseView() {
    parlow::FillRecordList(lvClub, [](zeviza::Putt& putt) { return putt.LoadClub(); },
                           {"ClubID", "ClubName", "City", "Tees"});
}

void frmDeleteClub::ShowSelectedCourse(QTreeWidgetItem* row) {
    lblID->setText(row->data(kIdColumn, Qt::UserRole).toString());
    lblClub->setText(row->text(kNameColumn));
    lblCity->setText(row->text(kCityColumn));
    lblTees->setText(row->text(kTeesColumn));
}

// Acts on the course shown in the labels, not on the list's selection.
void frmDeleteClub::Remove() {
    std::string id = lblID->text().toStdString();
    if (parlow::RemoveChosen(lblID->text(), kRemovalTexts,
                             [&id](zeviza::Putt& putt) { return putt.DeleteClub(id); })) {
        Clear();
        FillCourseView();
    }
}

void frmDeleteClub::Clear() {
    parlow::ClearValues({lblID, lblClub, lblCity, lblTees});
}

}  // namespace parlow::courses

#include "frmDeleteClub.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "FieldBehaviour.h"
#include "QtPrompts.h"
#include "ScreenHeading.h"
#include "ScreenSteps.h"

namespace courses {
namespace {

constexpr const char* kCaption = "Remove Club Records";

enum Column : int { kIdColumn, kNameColumn, kCityColumn, kTeesColumn, kColumnCount };

// A value shown as a label, framed so that an empty one still shows its place.
QLabel* NewValueLabel(int chars, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance('M') * chars);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QTreeWidgetItem* NewRow(const zeviza::RecordSet& course) {
    auto text = [&course](const char* column) {
        return QString::fromStdString(course.Field(column).ToText());
    };
    auto* row = new QTreeWidgetItem(
        QStringList{text("ClubID"), text("ClubName"), text("City"), text("Tees")});
    row->setData(kIdColumn, Qt::UserRole, text("ClubID"));  // the row's key
    return row;
}

}  // namespace

frmDeleteClub::frmDeleteClub(QWidget* parent) : QWidget(parent) {
    setWindowTitle(kCaption);
    try {
        parlow::NewPutt();
    } catch (...) {
    }
    CreateControls();
    LayOut();
    auto* behaviour = new parlow::FieldBehaviour(this, {}, cmdDelete);
    behaviour->AddRecordList(lvClub, [this](QTreeWidgetItem* row) { ShowSelectedCourse(row); });
    FillCourseView();
    connect(cmdDelete, &QPushButton::clicked, this, &frmDeleteClub::Remove);
    connect(cmdClear, &QPushButton::clicked, this, &frmDeleteClub::Clear);
    connect(cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

void frmDeleteClub::CreateControls() {
    lblHeading = parlow::NewHeading("Remove Club / Course Records", this);
    lvClub = new QTreeWidget(this);
    lvClub->setHeaderLabels({"ID", "Club Name", "City", "Tees"});
    lvClub->setRootIsDecorated(false);
    lvClub->setUniformRowHeights(true);
    lvClub->setAllColumnsShowFocus(true);
    lvClub->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide and tall enough to show every column and a dozen courses at once.
    const int charWidth = fontMetrics().horizontalAdvance('0');
    constexpr int kChars[kColumnCount] = {8, 36, 26, 10};
    int width = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        lvClub->setColumnWidth(column, charWidth * kChars[column]);
        width += charWidth * kChars[column];
    }
    lvClub->setMinimumSize(width + 2 * lvClub->frameWidth() + 4, fontMetrics().height() * 14);
    lblID = NewValueLabel(6, this);
    lblClub = NewValueLabel(26, this);
    lblCity = NewValueLabel(18, this);
    lblTees = NewValueLabel(6, this);
    cmdDelete = new QPushButton("&Remove", this);
    cmdClear = new QPushButton("&Clear", this);
    cmdExit = new QPushButton("e&Xit", this);
}

// The four captions stand over their values in one row, like the list's columns.
void frmDeleteClub::LayOut() {
    auto* chosen = new QGridLayout;
    const std::pair<const char*, QLabel*> captioned[] = {
        {"ID", lblID}, {"Club / Course Name", lblClub}, {"City", lblCity}, {"Tees", lblTees}};
    int column = 0;
    for (const auto& [caption, value] : captioned) {
        chosen->addWidget(new QLabel(caption, this), 0, column);
        chosen->addWidget(value, 1, column++);
    }
    chosen->setColumnStretch(1, 3);
    chosen->setColumnStretch(2, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cmdDelete, cmdClear, cmdExit}) {
        button->setMinimumWidth(fontMetrics().horizontalAdvance('0') * 10);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(lvClub, 1);
    layout->addLayout(chosen);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void frmDeleteClub::FillCourseView() {
    parlow::BusyCursor busy;
    lvClub->clear();
    parlow::ReadSharedRows(
        [](zeviza::Putt& putt) { return putt.LoadClub(); },
        [this](const zeviza::RecordSet& course) { lvClub->addTopLevelItem(NewRow(course)); });
}

void frmDeleteClub::ShowSelectedCourse(QTreeWidgetItem* row) {
    lblID->setText(row->data(kIdColumn, Qt::UserRole).toString());
    lblClub->setText(row->text(kNameColumn));
    lblCity->setText(row->text(kCityColumn));
    lblTees->setText(row->text(kTeesColumn));
}

// Acts on the course shown in the labels, not on the list's selection.
void frmDeleteClub::Remove() {
    if (lblID->text().isEmpty()) {
        parlow::ShowMessage("Select a Course record to remove", zeviza::Icon::Warning);
        return;
    }
    bool removed = false;
    {
        parlow::BusyCursor busy;
        std::string id = lblID->text().toStdString();
        removed = parlow::PuttStep([&id](zeviza::Putt& putt) { return putt.DeleteClub(id); });
    }
    if (!removed) {
        parlow::ShowMessage("Club Record NOT Removed", zeviza::Icon::Warning);
        return;
    }
    parlow::ShowMessage("Club Record Removed", zeviza::Icon::Warning);
    Clear();
    FillCourseView();
}

void frmDeleteClub::Clear() {
    for (QLabel* label : {lblID, lblClub, lblCity, lblTees}) {
        label->clear();
    }
}

}  // namespace courses

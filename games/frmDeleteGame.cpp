#include "frmDeleteGame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "FieldBehaviour.h"
#include "GameLists.h"
#include "GameRemoval.h"
#include "QtPrompts.h"
#include "RecordTableModel.h"
#include "ScreenHeading.h"
#include "ScreenSteps.h"

namespace games {
namespace {

constexpr const char* kCaption = "Remove Game Records";
// A stored play date is midnight of its day; the list shows the day.
const QString kMidnight = " 00:00:00";

// A value shown as a label, framed so that an empty one still shows its place.
QLabel* NewValueLabel(QWidget* parent, int chars) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance('0') * chars);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

std::vector<int> GameColumnChars() {
    std::vector<int> chars(kGameListColumnCount, 3);  // the 38 numbered columns
    const int named[] = {8, 22, 22, 8, 10, 5, 5, 8, 5};
    for (int column = 0; column < kFirstCountColumn; ++column) {
        chars[column] = named[column];
    }
    return chars;
}

std::vector<std::string> Cells(const QStringList& row) {
    std::vector<std::string> cells;
    cells.reserve(row.size());
    for (const QString& cell : row) {
        cells.push_back(cell.toStdString());
    }
    return cells;
}

}  // namespace

frmDeleteGame::frmDeleteGame(QWidget* parent) : QWidget(parent) {
    setWindowTitle(kCaption);
    try {
        parlow::NewPutt();
    } catch (...) {
    }
    CreateControls();
    LayOut();
    auto* behaviour = new parlow::FieldBehaviour(this, {}, cmdDelete);
    behaviour->AddRecordView(lvGame, [this](const QModelIndex& row) { ShowGame(row); });
    LoadGames();
    connect(cmdDelete, &QPushButton::clicked, this, &frmDeleteGame::Remove);
    connect(cmdClear, &QPushButton::clicked, this, &frmDeleteGame::Clear);
    connect(cmdExit, &QPushButton::clicked, this, [this] { parlow::CloseScreen(this); });
}

void frmDeleteGame::CreateControls() {
    lblHeading = parlow::NewHeading(kCaption, this);
    lblHeading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    gameRows = new parlow::RecordTableModel(GameListHeadings(), this);
    lvGame = NewRecordView(gameRows, GameColumnChars(), this);
    lvGame->setMinimumSize(fontMetrics().horizontalAdvance('0') * 100, fontMetrics().height() * 14);
    lblID = NewValueLabel(this, 6);
    lblGolfer = NewValueLabel(this, 18);
    lblClub = NewValueLabel(this, 18);
    lblTees = NewValueLabel(this, 6);
    lblDate = NewValueLabel(this, 10);
    lblHoles = NewValueLabel(this, 3);
    lblScore = NewValueLabel(this, 3);
    lblNet = NewValueLabel(this, 3);
    lblGID = new QLabel(this);
    lblGID->hide();
    cmdDelete = new QPushButton("&Remove", this);
    cmdClear = new QPushButton("&Clear", this);
    cmdExit = new QPushButton("e&Xit", this);
}

void frmDeleteGame::LayOut() {
    auto* shown = new QGridLayout;
    const std::pair<const char*, QLabel*> captioned[] = {
        {"ID", lblID},     {"Golfer", lblGolfer}, {"Club / Course", lblClub}, {"Tees", lblTees},
        {"Date", lblDate}, {"Holes", lblHoles},   {"Gross", lblScore},        {"Net", lblNet}};
    int column = 0;
    for (const auto& [caption, value] : captioned) {
        shown->addWidget(new QLabel(caption, this), 0, column);
        shown->addWidget(value, 1, column);
        shown->setColumnStretch(column, value->minimumWidth());
        ++column;
    }

    auto* bottom = new QHBoxLayout;
    auto* name = new QLabel("The Parlow's Log", this);
    QFont font = name->font();
    font.setBold(true);
    name->setFont(font);
    bottom->addWidget(name);
    bottom->addStretch();
    for (QPushButton* button : {cmdDelete, cmdClear, cmdExit}) {
        button->setMinimumWidth(fontMetrics().horizontalAdvance('0') * 10);
        bottom->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(lvGame, 1);
    layout->addLayout(shown);
    layout->addLayout(bottom);
    setTabOrder(lvGame, cmdDelete);
    setTabOrder(cmdDelete, cmdClear);
    setTabOrder(cmdClear, cmdExit);
}

void frmDeleteGame::LoadGames() {
    parlow::BusyCursor busy;
    std::vector<QStringList> rows =
        ReadRows([](zeviza::Putt& putt) { return putt.LoadDeleteGame(); }, kGameListFields);
    for (QStringList& row : rows) {
        if (row[kDateColumn].endsWith(kMidnight)) {
            row[kDateColumn].chop(kMidnight.size());
        }
    }
    gameRows->SetRows(std::move(rows));
}

void frmDeleteGame::ShowGame(const QModelIndex& index) {
    const QStringList row = gameRows->Row(index.row());
    if (row.isEmpty()) {
        return;
    }
    shown_ = row;
    lblID->setText(row[kGameIdColumn]);
    lblGolfer->setText(row[kGolferNameColumn]);
    lblClub->setText(row[kClubColumn]);
    lblTees->setText(row[kTeesColumn]);
    lblDate->setText(row[kDateColumn]);
    lblScore->setText(row[kGrossColumn]);
    lblNet->setText(row[kNetColumn]);
    lblGID->setText(row[kGolferIdColumn]);
    lblHoles->setText(row[kHolesColumn]);
}

void frmDeleteGame::Remove() {
    if (lblID->text().isEmpty()) {
        parlow::ShowMessage("Select a Game record to remove", zeviza::Icon::Warning);
        return;
    }
    bool removed = false;
    {
        parlow::BusyCursor busy;
        RemovalArguments arguments = MakeRemovalArguments(Cells(shown_));
        removed = parlow::PuttStep([&arguments](zeviza::Putt& putt) {
            return putt.DeleteGame(arguments.strGameID, arguments.strGolferID, arguments.intHoles,
                                   arguments.intStats);
        });
    }
    if (!removed) {
        parlow::ShowMessage("Game Record NOT Removed", zeviza::Icon::Warning);
        return;
    }
    parlow::ShowMessage("Game Record Removed", zeviza::Icon::Warning);
    Clear();
    LoadGames();
}

// The list keeps its rows and its highlighted row.
void frmDeleteGame::Clear() {
    for (QLabel* label :
         {lblID, lblClub, lblTees, lblDate, lblScore, lblNet, lblGID, lblGolfer, lblHoles}) {
        label->clear();
    }
    shown_.clear();
    lvGame->setFocus(Qt::OtherFocusReason);
}

}  // namespace games

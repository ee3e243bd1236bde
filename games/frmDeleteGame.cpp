#include "games/frmDeleteGame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "games/GameLists.h"
#include "games/rules/GameRemoval.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/RemovalScreen.h"
#include "ui/ScreenHeading.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/FieldBehaviour.h"
#include "ui/fields/RecordList.h"
#include "ui/fields/RecordTableModel.h"
#include "ui/fields/ValueLabel.h"

namespace parlow::games {
namespace {

constexpr const char* kCaption = "Remove Game Records";
const parlow::RemovalTexts kRemovalTexts = {"Select a Game record to remove", zeviza::Icon::Warning,
                                            "Game Record Removed", "Game Record NOT Removed"};
constexpr const char* kChanged =
    "Game Record NOT Removed\r\n\r\nThis game was changed or removed since the list was "
    "opened.\r\nThe list now shows the games as they are stored.";

// What makes the shown game that game: whose it is, when it was played, its
// length and scores. Names of golfer and course may change with their
// records and it stays the same game.
zeviza::ShownRecord ShownGame(const QStringList& row) {
    return parlow::ShownColumns({{"GolferID", row.value(kGolferIdColumn)},
                                 {"PlayDate", row.value(kStoredDateColumn)},
                                 {"Holes", row.value(kHolesColumn)},
                                 {"GrossScore", row.value(kGrossColumn)},
                                 {"NetScore", row.value(kNetColumn)}});
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
    parlow::OpenPuttIfAny();
    CreateControls();
    LayOut();
    auto* behaviour = new parlow::FieldBehaviour(this, {}, cmdDelete);
    behaviour->AddRecordView(lvGame, [this](const QModelIndex& row) { ShowGame(row); });
    LoadGames();
    parlow::RefillOnWrite(this, parlow::RecordKind::Games, [this] {
        parlow::RefillKeepingChoice(
            lvGame, lblID->text(), [this] { LoadGames(); },
            [this](const QModelIndex& row) { ShowGame(row); }, [this] { ClearShown(); });
    });
    connect(cmdDelete, &QPushButton::clicked, this, &frmDeleteGame::Remove);
    connect(cmdClear, &QPushButton::clicked, this, &frmDeleteGame::Clear);
}

void frmDeleteGame::CreateControls() {
    lblHeading = parlow::NewHeading(kCaption, this);
    lblHeading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    gameRows = new parlow::RecordTableModel(GameListHeadings(), this);
    lvGame = NewRecordView(gameRows, GameColumnChars(), this);
    lvGame->setMinimumSize(fontMetrics().horizontalAdvance('0') * 100, fontMetrics().height() * 14);
    lblID = new parlow::ValueLabel(this, 6);
    lblGolfer = new parlow::ValueLabel(this, 18);
    lblClub = new parlow::ValueLabel(this, 18);
    lblTees = new parlow::ValueLabel(this, 6);
    lblDate = new parlow::ValueLabel(this, 10);
    lblHoles = new parlow::ValueLabel(this, 3);
    lblScore = new parlow::ValueLabel(this, 3);
    lblNet = new parlow::ValueLabel(this, 3);
    lblGID = new QLabel(this);
    lblGID->hide();
    const parlow::RemovalButtons buttons = parlow::NewRemovalButtons(this);
    cmdDelete = buttons.remove;
    cmdClear = buttons.clear;
    cmdExit = buttons.exit;
}

void frmDeleteGame::LayOut() {
    QGridLayout* shown = parlow::NewValuesUnderCaptions(this, {{"ID", lblID},
                                                               {"Golfer", lblGolfer},
                                                               {"Club / Course", lblClub},
                                                               {"Tees", lblTees},
                                                               {"Date", lblDate},
                                                               {"Holes", lblHoles},
                                                               {"Gross", lblScore},
                                                               {"Net", lblNet}});
    // Each value's room grows with the room it asks for.
    for (int column = 0; column < shown->columnCount(); ++column) {
        shown->setColumnStretch(column,
                                shown->itemAtPosition(1, column)->widget()->sizeHint().width());
    }

    QHBoxLayout* bottom = parlow::NewButtonRow(this, {cmdDelete, cmdClear, cmdExit});
    auto* name = new QLabel("The Parlow's Log", this);
    QFont font = name->font();
    font.setBold(true);
    name->setFont(font);
    bottom->insertWidget(0, name);

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
    gameRows->SetRows(ReadGameListRows());
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
    const auto afresh = [this] {
        Clear();
        LoadGames();
    };
    const parlow::ShownWrite write{this, parlow::RecordKind::Games, ShownGame(shown_), kChanged,
                                   afresh};
    if (parlow::RemoveChosen(lblID->text(), kRemovalTexts, write,
                             [this](zeviza::Putt& putt, zeviza::ShownRecord* shown) {
                                 return putt.DeleteGame(MakeGameRemoval(Cells(shown_)), shown);
                             })) {
        afresh();
    }
}

// The list keeps its rows and its highlighted row.
void frmDeleteGame::Clear() {
    ClearShown();
    lvGame->setFocus(Qt::OtherFocusReason);
}

void frmDeleteGame::ClearShown() {
    parlow::ClearValues(
        {lblID, lblClub, lblTees, lblDate, lblScore, lblNet, lblGID, lblGolfer, lblHoles});
    shown_.clear();
}

}  // namespace parlow::games

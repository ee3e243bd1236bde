// The game form as the edit screen: the recorded games listed above the
// form, the one chosen read again and shown in every field, and the save
// that puts the corrected round in its place.
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QVBoxLayout>
#include <array>

#include "games/GameLists.h"
#include "games/frmAddGame.h"
#include "games/rules/GameRemoval.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenSteps.h"
#include "ui/ShownWrite.h"
#include "ui/fields/FieldBehaviour.h"
#include "ui/fields/RecordList.h"
#include "ui/fields/RecordTableModel.h"
#include "ui/modGlobal.h"

namespace parlow::games {
namespace {

constexpr const char* kChanged =
    "Record NOT Updated\r\n\r\nThis game was changed or removed since it was chosen.\r\n"
    "The list now shows the games as they are stored: choose the game again.";

// The stored columns of the detail counts, in the order of statBox.
const std::array<const char*, kDetailCounts> kDetailColumns = {
    "FWaysLeft",  "FWaysRight", "GreensLeft", "GreensRight", "GreensLong", "GreensShort",
    "PuttsLeft",  "PuttsRight", "PuttsLong",  "PuttsShort",  "SandSaves",  "UpDowns",
    "TotalPutts", "LongDrive",  "Aces",       "DEagles",     "Eagles",     "Birds",
    "Pars",       "Bogies",     "DBogies",    "TBogies",     "QBogies",    "Others"};

void Highlight(QTreeView* list, const QModelIndex& row) {
    list->selectionModel()->setCurrentIndex(
        row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(row);
}

}  // namespace

void frmAddGame::CreateGameList() {
    gameRows = new parlow::RecordTableModel(GameListHeadings(), this);
    lvGame = NewRecordView(gameRows, GameColumnChars(), this);
    lvGame->setToolTip(" Click to select the game to correct ");
    lvGame->setMinimumHeight(fontMetrics().height() * 8);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, lvGame, 1);
    setTabOrder(lvGame, lvClub);
    behaviour_->AddRecordView(lvGame, [this](const QModelIndex& row) { ChooseGame(row); });
    LoadGames();
    lvGame->setFocus(Qt::OtherFocusReason);
    // Another screen's write refills the list; what is shown and typed stays,
    // and the save finds out whether the game is still stored as it was read.
    parlow::RefillOnWrite(this, parlow::RecordKind::Games, [this] {
        parlow::RefillKeepingChoice(
            lvGame, QString(), [this] { LoadGames(); }, [](const QModelIndex&) {}, [] {});
    });
}

void frmAddGame::LoadGames() {
    parlow::BusyCursor busy;
    gameRows->SetRows(ReadGameListRows());
}

void frmAddGame::ChooseGame(const QModelIndex& index) {
    const QStringList row = gameRows->Row(index.row());
    if (row.isEmpty()) {
        return;
    }
    const std::string id = row[kGameIdColumn].toStdString();
    bool shown = false;
    {
        parlow::BusyCursor busy;
        parlow::SharedRecordset() =
            parlow::PuttStep([&id](zeviza::Putt& putt) { return putt.LoadGameEdit(id); });
        if (auto& game = parlow::SharedRecordset(); game && !game->IsEmpty()) {
            ShowStoredGame(*game);
            chosenGame_ = row[kGameIdColumn];
            loaded_ = zeviza::ShownRecord::Of(*game);
            shown = true;
        }
    }
    parlow::CloseSharedRecordset();
    if (!shown) {
        // Removed since the list was read: the list catches up.
        LoadGames();
        return;
    }
    lvClub->setFocus(Qt::OtherFocusReason);
}

void frmAddGame::ShowStoredGame(const zeviza::RecordSet& game) {
    auto text = [&game](const std::string& column) {
        return QString::fromStdString(game.Field(column).ToText());
    };
    if (const QModelIndex course = parlow::RowOfKey(lvClub, text("ClubID")); course.isValid()) {
        Highlight(lvClub, course);
        ShowCourse(clubRows->Row(course.row()));
    } else {
        ClearCourse();
    }
    ShowStoredGolfer(text("GolferID"));
    datBox->setDate(QDate::fromString(text("PlayDate").left(10), "yyyy-MM-dd"));
    for (int hole = 0; hole < kHoles; ++hole) {
        txtBox[hole]->setText(text("Score" + std::to_string(hole + 1)));
    }
    txtPar[kOut]->setText(text("ScoreOut"));
    txtPar[kIn]->setText(text("ScoreIn"));
    boxScore[kGross]->setText(text("GrossScore"));
    boxScore[kNet]->setText(text("NetScore"));
    for (int count = 0; count < kDetailCounts; ++count) {
        statBox[count]->setText(text(kDetailColumns[count]));
    }
    for (int partner = 0; partner < kPartners; ++partner) {
        const std::string n = std::to_string(partner + 1);
        txtBox[kFirstPartnerName + partner]->setText(text("Partner" + n));
        txtBox[kFirstPartnerScore + partner]->setText(text("PartnerScore" + n));
    }
    for (int type = 0; type < kParTypes; ++type) {
        lblParScore[type]->setText(text("Par" + std::to_string(type + 3) + "Scr"));
    }
}

// The hidden lists follow the shown one (ChooseGolfer); the focus stays.
void frmAddGame::ShowStoredGolfer(const QString& golferID) {
    cboBox[kGolferName]->setCurrentIndex(cboBox[kGolferID]->findText(golferID));
}

void frmAddGame::ForgetGame() {
    chosenGame_.clear();
    loaded_ = {};
    lvGame->clearSelection();
}

frmAddGame::Written frmAddGame::ReplaceChosen(zeviza::GameRecord& game) {
    if (!parlow::AskYesNo("Replace the recorded game?", {}, zeviza::Answer::No)) {
        return Written::Declined;
    }
    game.gameId = chosenGame_.toStdString();
    parlow::ShownWrite write{this, parlow::RecordKind::Games, loaded_, kChanged, [this] {
                                 ForgetGame();
                                 LoadGames();
                             }};
    const parlow::ShownWriteResult result =
        parlow::WriteAsShown(write, [&game](zeviza::Putt& putt, zeviza::ShownRecord* shown) {
            return putt.ReplaceGame(game, shown);
        });
    switch (result) {
        case parlow::ShownWriteResult::Written:
            return Written::Yes;
        case parlow::ShownWriteResult::RecordChanged:
            return Written::RecordChanged;
        default:
            return Written::Refused;
    }
}

}  // namespace parlow::games

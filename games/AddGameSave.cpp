// Saving a round: the checks, the confirmation, the unplayed nine, the
// figures, the new identifier and AddGame, each stop with its own message.
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <optional>
#include <variant>

#include "games/frmAddGame.h"
#include "games/rules/GameFigures.h"
#include "games/rules/GameValidation.h"
#include "ui/BusyCursor.h"
#include "ui/LocalToday.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenSteps.h"
#include "ui/modGlobal.h"

namespace parlow::games {
namespace {

// The box of a failure once the figures are being worked out; the screen
// keeps every field as it is then.
void ShowSaveFailure(long number, const std::string& description) {
    parlow::ShowMessage("ERROR # " + std::to_string(number) + "\r\n\r\n" + description +
                            "\r\nIn the Add Game code module\r\nProcedure: Add Game - Save",
                        zeviza::Icon::Critical);
}

// From the largest row number; none when the read failed (it has said why).
std::optional<std::string> NewGameIdentifier() {
    parlow::SharedRecordset() =
        parlow::PuttStep([](zeviza::Putt& putt) { return putt.GetNewGameID(); });
    std::optional<std::string> id;
    try {
        id = MakeNewGameID(parlow::SharedRecordset().get());
    } catch (...) {
    }
    parlow::CloseSharedRecordset();
    return id;
}

bool AddGame(const zeviza::GameRecord& game) {
    zeviza::Putt* putt = parlow::CurrentPutt();
    return putt != nullptr && putt->AddGame(game);
}

bool Refused(const GameProblem& problem, QWidget* field) {
    parlow::ShowMessage(problem.message, problem.icon);
    if (field != nullptr) {
        field->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

}  // namespace

// A second press while a save is still asking its questions is no second
// save: the round is stored at most once.
void frmAddGame::Save() {
    if (saving_) {
        return;
    }
    saving_ = true;
    try {
        SaveChecked();
    } catch (...) {
    }
    saving_ = false;
}

void frmAddGame::SaveChecked() {
    if (screen_ == GameScreen::Edit && chosenGame_.isEmpty()) {
        parlow::ShowMessage("Select a Game record to edit", zeviza::Icon::Warning);
        lvGame->setFocus(Qt::OtherFocusReason);
        return;
    }
    GameEntry entry;
    {
        parlow::BusyCursor busy;
        parlow::TrimTextFields(this);
        entry = Entry();
        const GameValidation check =
            ValidateGame(entry, Course(), Golfer(), GameDate(), LocalToday());
        if (check.netSum) {
            boxScore[kNet]->setText(QString::number(*check.netSum));
        }
        if (!check.Passed()) {
            Refused(*check.problem, FieldFor(check.problem->focus));
            return;
        }
    }
    if (!parlow::AskYesNo("Is everything correct?")) {
        return;
    }
    const std::optional<GameProblem> unplayed = ResolveUnplayedNine(
        entry, [](const std::string& question) { return parlow::AskYesNo(question); });
    ShowEntry(entry);
    if (unplayed) {
        Refused(*unplayed, FieldFor(unplayed->focus));
        return;
    }
    Written written = Written::Refused;
    try {
        written = Store(entry);
    } catch (const zeviza::Error& failure) {
        ShowSaveFailure(failure.Number(), failure.Description());
        return;
    } catch (const std::exception& failure) {
        ShowSaveFailure(0, failure.what());
        return;
    }
    AfterSave(written);
}

// A refusal keeps what was typed for another try; the library has said why.
void frmAddGame::AfterSave(Written written) {
    const bool edit = screen_ == GameScreen::Edit;
    if (written == Written::Refused) {
        parlow::ShowMessage(edit ? "Record NOT Updated" : "Record NOT Saved",
                            zeviza::Icon::Critical);
        return;
    }
    if (written != Written::Yes) {
        return;
    }
    if (!edit) {
        parlow::AnnounceWrite(parlow::RecordKind::Games, this);
    }
    const char* question = edit ? "Game Record Updated\r\n\r\nWould you like to edit another Game?"
                                : "Game Record Saved\r\n\r\nWould you like to add another game?";
    if (parlow::AskYesNo(question, {}, zeviza::Answer::No)) {
        Clear();
        if (edit) {
            LoadGames();
        }
    } else {
        parlow::CloseScreen(this);
    }
}

// Works out the figures, shows the scores they give, and stores the round:
// a new one, or the chosen one in its place. A figure beyond 16 bits throws
// the overflow failure.
frmAddGame::Written frmAddGame::Store(GameEntry entry) {
    std::variant<zeviza::GameRecord, zeviza::Error> computed;
    {
        parlow::BusyCursor busy;
        computed = ComputeGameFigures(entry, Course(), Golfer(), GameDate());
        if (auto* failure = std::get_if<zeviza::Error>(&computed)) {
            throw *failure;
        }
        const auto& game = std::get<zeviza::GameRecord>(computed);
        boxScore[kGross]->setText(QString::number(game.gross));
        boxScore[kNet]->setText(QString::number(game.net));
        for (int type = 0; type < kParTypes; ++type) {
            lblParScore[type]->setText(QString::number(game.stats.parScores[type]));
        }
    }
    auto& game = std::get<zeviza::GameRecord>(computed);
    return screen_ == GameScreen::Edit ? ReplaceChosen(game) : AddNew(game);
}

frmAddGame::Written frmAddGame::AddNew(zeviza::GameRecord& game) {
    parlow::BusyCursor busy;
    const std::optional<std::string> id = NewGameIdentifier();
    if (!id) {
        return Written::Refused;
    }
    game.gameId = *id;
    return AddGame(game) ? Written::Yes : Written::Refused;
}

}  // namespace parlow::games

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
#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"
#include "ui/modGlobal.h"

namespace parlow::games {
namespace {

enum ParTotalSlot : int { kPar3ScoreSlot = 29 };
enum ScoreSlot : int { kGrossSlot = 20, kNetSlot = 24 };

std::chrono::year_month_day Today() {
    const QDate today = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year(today.year()),
                                       std::chrono::month(static_cast<unsigned>(today.month())),
                                       std::chrono::day(static_cast<unsigned>(today.day()))};
}

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

bool AddGame(GameFigures& f) {
    zeviza::Putt* putt = parlow::CurrentPutt();
    return putt != nullptr &&
           putt->AddGame(f.intScores, f.intPars, f.intCaps, f.datDate, f.strGolfer, f.strClub,
                         f.strGameID, f.intStats, f.strTees, f.strClubID, f.strGolferID, f.intHoles,
                         f.sngStrokeAvg, f.sngPuttAvg, f.strPartners, f.strCategory, f.intHandicap,
                         f.sngGreensHit, f.sngFWaysHit, f.sngParAvg);
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
    GameEntry entry;
    {
        parlow::BusyCursor busy;
        parlow::TrimTextFields(this);
        entry = Entry();
        const GameValidation check = ValidateGame(entry, Course(), Golfer(), GameDate(), Today());
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
    bool stored = false;
    try {
        stored = Store(entry);
    } catch (const zeviza::Error& failure) {
        ShowSaveFailure(failure.Number(), failure.Description());
        return;
    } catch (const std::exception& failure) {
        ShowSaveFailure(0, failure.what());
        return;
    }
    if (!stored) {
        // The library has said why; what was typed stays for another try.
        parlow::ShowMessage("Record NOT Saved", zeviza::Icon::Critical);
        return;
    }
    if (parlow::AskYesNo("Game Record Saved\r\n\r\nWould you like to add another game?", {},
                         zeviza::Answer::No)) {
        Clear();
    } else {
        parlow::CloseScreen(this);
    }
}

// Works out the figures, shows the scores they give, and stores the round.
// A figure beyond 16 bits throws the overflow failure.
bool frmAddGame::Store(GameEntry entry) {
    parlow::BusyCursor busy;
    std::variant<GameFigures, zeviza::Error> computed =
        ComputeGameFigures(entry, Course(), Golfer(), GameDate());
    if (auto* failure = std::get_if<zeviza::Error>(&computed)) {
        throw *failure;
    }
    GameFigures& figures = std::get<GameFigures>(computed);
    boxScore[kGross]->setText(QString::number(figures.intScores[kGrossSlot]));
    boxScore[kNet]->setText(QString::number(figures.intScores[kNetSlot]));
    for (int type = 0; type < kParTypes; ++type) {
        lblParScore[type]->setText(QString::number(figures.intStats[kPar3ScoreSlot + type]));
    }
    const std::optional<std::string> id = NewGameIdentifier();
    if (!id) {
        return false;
    }
    figures.strGameID = *id;
    return AddGame(figures);
}

}  // namespace parlow::games

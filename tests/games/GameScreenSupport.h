#pragma once
// What the game screen tests share: golfers and courses stored through Putt,
// a round typed key by key into the entry screen, rows chosen by click, and
// the stored game read back for comparison with the round's figures.
#include <QString>
#include <array>
#include <string>

#include "games/rules/GameEntry.h"
#include "games/rules/GameFigures.h"
#include "tests/support/gui/GuiTest.h"
// The data library's tests name a variable as Qt names its slots macro.
#pragma push_macro("slots")
#undef slots
#include "tests/support/WritesSupport.h"
#pragma pop_macro("slots")
#include "games/frmAddGame.h"

namespace game_tests {

// Two golfers (names that need care) and two courses: par 72 with four
// par 5s, and one without any par-5 hole.
inline const std::string kAnn = "D2";
inline const std::string kZoe = "D4";
inline const std::string kPineHollow = "C2";
inline const std::string kShortLinks = "C4";

// Every text a user types for one round, in field terms.
struct Round {
    parlow::games::GameEntry entry;
    QString net;  // typed into Net; the save replaces it
};

// 18 holes, Out 40 and In 45 typed, hole 3 as "4.5", the detail counts and
// three partners with apostrophes and letters beyond Latin.
Round FullRound();

class GameScreenTest : public testing_support::GuiTest {
  protected:
    GameScreenTest();

    // The row of the course list holding the course, chosen by a click.
    static void ChooseCourse(parlow::games::frmAddGame& screen, const std::string& clubID);
    // The golfer picked from the list as a user does: the entry, then Enter.
    static void ChooseGolfer(parlow::games::frmAddGame& screen, const QString& fullName);
    static void TypeRound(parlow::games::frmAddGame& screen, const Round& round);

    // The figures the round gives on the screen as it stands.
    static zeviza::GameRecord Expected(const parlow::games::frmAddGame& screen);
    // True when the stored game matches every figure that AddGame stores.
    ::testing::AssertionResult StoredAs(const std::string& gameID,
                                        const zeviza::GameRecord& figures) const;
    ::testing::AssertionResult StatisticsMatchGames(const std::string& golferID) const;
    writes_support::Statistics Statistics(const std::string& golferID) const;
    long long Games() const { return folder.Count("SELECT COUNT(*) FROM tblGames;"); }

    // Stores a game directly, as an earlier session of the program would have.
    void StoreGame(const std::string& gameID, const std::string& golferID, int over, int seed);

    const std::string& LastText() const { return prompts.Last().text; }
};

}  // namespace game_tests

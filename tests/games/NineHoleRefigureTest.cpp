// Parlow --recompute-nine-hole-figures on nine-hole games stored the way an
// earlier version stored them (the course's 18-hole counts, fairways and
// par): afterwards each game's figures are those of its nine, every golfer's
// statistics are the sums over the stored games, and a backup was made first.
#include <filesystem>

#include "games/RefigureCommand.h"
#include "tests/games/GameScreenSupport.h"

namespace game_tests {
namespace {

using namespace writes_support;

const writes_support::Course kStandard{"C2", "Pine Hollow", StandardPars()};

// A nine-hole game of the front (or back) nine with the figures an earlier
// version stored: divided by the course's 4 par 3s, 10 par 4s, 4 par 5s and
// 14 fairways, and the course par of 72.
Game OldNineHoleGame(const std::string& gameID, const std::string& golferID, bool back) {
    Game g = MakeGame(gameID, golferID, golferID == kAnn ? "Ann O'Hara" : "Zoë Łukasiewicz",
                      kStandard, ParScores(kStandard, 9, 2), 3);
    if (back) {  // the same scores moved to holes 10-18
        for (int hole = 0; hole < 9; ++hole) {
            g.scores[9 + hole] = g.scores[hole];
            g.scores[hole] = 0;
        }
        g.scoreIn = g.scoreOut;
        g.scoreOut = 0;
    }
    const std::int16_t courseCounts[3] = {4, 10, 4};
    zeviza::GameStats& s = g.stats;
    s.parScores = {};
    for (int hole = back ? 9 : 0; hole < (back ? 18 : 9); ++hole) {
        s.parScores[g.pars[hole] - 3] += g.scores[hole];
    }
    for (int type = 0; type < 3; ++type) {
        s.parCounts[type] = courseCounts[type];
        g.parAverages[type] = static_cast<float>(s.parScores[type]) / courseCounts[type];
    }
    s.fairwaysToHit = 14;
    g.coursePar = 72;
    g.fairwaysHit = static_cast<float>((14.0 - s.fairwaysMissed) / 14 * 100);
    return g;
}

TEST_F(GameScreenTest, RecomputingNineHoleFiguresGivesEachGameItsNineAndSumsTheStatistics) {
    zeviza::Putt putt(folder.Path());
    ASSERT_TRUE(OldNineHoleGame("G1", kAnn, false).Add(putt));
    ASSERT_TRUE(OldNineHoleGame("G2", kAnn, true).Add(putt));
    ASSERT_TRUE(OldNineHoleGame("G3", kZoe, false).Add(putt));
    ASSERT_TRUE(
        MakeGame("G4", kAnn, "Ann O'Hara", kStandard, ParScores(kStandard, 18, 1)).Add(putt));
    const std::string eighteenBefore = folder.Text(
        "SELECT Par318 || ',' || TotalFWays || ',' || CoursePar FROM tblGames WHERE GameID = 'G4'");

    std::string report;
    ASSERT_EQ(parlow::games::RefigureNineHoleGames(folder.Path(), report),
              parlow::games::kRefigured)
        << report;
    EXPECT_NE(report.find("refigured: 3"), std::string::npos) << report;
    EXPECT_FALSE(std::filesystem::is_empty(folder.Path() / "green" / "backup"));

    // The front nine of the standard course: pars 4 4 3 5 4 4 3 4 5, the
    // back nine 4 4 3 5 4 4 3 4 5 as well; 2 par 3s, 5 par 4s, 2 par 5s and
    // 7 fairways each, par 36.
    for (const char* game : {"G1", "G2", "G3"}) {
        SCOPED_TRACE(game);
        const std::string where = std::string(" FROM tblGames WHERE GameID = '") + game + "'";
        EXPECT_EQ(folder.Count("SELECT Par318" + where), 2);
        EXPECT_EQ(folder.Count("SELECT Par418" + where), 5);
        EXPECT_EQ(folder.Count("SELECT Par518" + where), 2);
        EXPECT_EQ(folder.Count("SELECT TotalFWays" + where), 7);
        EXPECT_EQ(folder.Count("SELECT CoursePar" + where), 36);
        EXPECT_DOUBLE_EQ(folder.Real("SELECT Par3Avg" + where),
                         folder.Real("SELECT Par3Scr * 1.0 / 2" + where));
        const long long missed = folder.Count("SELECT FWaysMissed" + where);
        EXPECT_DOUBLE_EQ(folder.Real("SELECT PercentFWaysHit" + where),
                         zeviza::SingleToDouble(parlow::games::FairwaysHitPercent(7, int(missed))));
    }
    EXPECT_EQ(folder.Text("SELECT Par318 || ',' || TotalFWays || ',' || CoursePar FROM tblGames "
                          "WHERE GameID = 'G4'"),
              eighteenBefore)
        << "an 18-hole game keeps its figures";
    for (const std::string& golfer : {kAnn, kZoe}) {
        EXPECT_TRUE(StatisticsMatchGames(golfer)) << golfer;
    }
    EXPECT_EQ(folder.Count("SELECT Par39 FROM tblGolfer WHERE GolferID = '" + kAnn + "'"), 4);

    // Once is enough: a second run finds nothing left to change.
    ASSERT_EQ(parlow::games::RefigureNineHoleGames(folder.Path(), report),
              parlow::games::kRefigured)
        << report;
    EXPECT_NE(report.find("refigured: 0"), std::string::npos) << report;
    for (const std::string& golfer : {kAnn, kZoe}) {
        EXPECT_TRUE(StatisticsMatchGames(golfer)) << golfer;
    }
}

TEST_F(GameScreenTest, RecomputingRefusesADamagedDatabaseAndChangesNothing) {
    std::filesystem::resize_file(folder.Database(), 100);
    std::string report;
    EXPECT_EQ(parlow::games::RefigureNineHoleGames(folder.Path(), report),
              parlow::games::kRefigureFailed);
    EXPECT_NE(report.find("damaged"), std::string::npos) << report;
    EXPECT_EQ(std::filesystem::file_size(folder.Database()), 100u);
}

}  // namespace
}  // namespace game_tests

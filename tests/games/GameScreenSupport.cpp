#include "tests/games/GameScreenSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeView>
#include <cmath>
#include <variant>

#include "ui/fields/RecordTableModel.h"

namespace game_tests {

using namespace writes_support;

namespace {

writes_support::Course PineHollow() {
    return {kPineHollow, "Pine Hollow", StandardPars()};
}

writes_support::Course ShortLinks() {
    return {kShortLinks, "Short Links", ShortPars()};
}

}  // namespace

Round FullRound() {
    Round round;
    round.entry.hole = {"5", "4", "4.5", "6", "4", "5", "3", "4", "5",
                        "5", "4", "6",   "5", "5", "4", "5", "6", "5"};
    round.entry.out = "40";
    round.entry.in = "45";
    round.entry.partnerName = {"Seán O'Neill", "Zoë D'Arcy", "李 小龍"};
    round.entry.partnerScore = {"88", "", "91"};
    round.entry.detail = {"2",  "1",   "3", "2", "1", "2", "1", "1", "2", "3", "1", "2",
                          "31", "265", "",  "",  "",  "2", "9", "5", "2", "",  "",  ""};
    round.net = "99";
    return round;
}

GameScreenTest::GameScreenTest() {
    zeviza::Putt putt(folder.Path());
    EXPECT_TRUE(AddGolfer(putt, kAnn, "Ann", "O'Hara", 12.5f));
    EXPECT_TRUE(AddGolfer(putt, kZoe, "Zoë", "Łukasiewicz", 13.5f));
    EXPECT_TRUE(AddCourse(putt, PineHollow()));
    EXPECT_TRUE(AddCourse(putt, ShortLinks()));
}

void GameScreenTest::ChooseCourse(parlow::games::frmAddGame& screen, const std::string& clubID) {
    for (int row = 0; row < screen.clubRows->rowCount(); ++row) {
        if (screen.clubRows->Row(row).value(0).toStdString() == clubID) {
            ClickRow(screen.lvClub, row);
            return;
        }
    }
    ADD_FAILURE() << "no course " << clubID;
}

void GameScreenTest::ChooseGolfer(parlow::games::frmAddGame& screen, const QString& fullName) {
    QComboBox* list = screen.cboBox[parlow::games::kGolferName];
    list->setFocus(Qt::OtherFocusReason);
    Settle();
    const int entry = list->findText(fullName);
    ASSERT_GE(entry, 0) << fullName.toStdString();
    list->setCurrentIndex(entry);
    emit list->activated(entry);
    Settle();
}

void GameScreenTest::TypeRound(parlow::games::frmAddGame& screen, const Round& round) {
    using namespace parlow::games;
    const GameEntry& entry = round.entry;
    for (int hole = 0; hole < kHoles; ++hole) {
        Type(screen.txtBox[hole], QString::fromStdString(entry.hole[hole]));
    }
    Type(screen.txtPar[kOut], QString::fromStdString(entry.out));
    Type(screen.txtPar[kIn], QString::fromStdString(entry.in));
    Type(screen.boxScore[kNet], round.net);
    for (int count = 0; count < kDetailCounts; ++count) {
        Type(screen.statBox[count], QString::fromStdString(entry.detail[count]));
    }
    for (int partner = 0; partner < kPartners; ++partner) {
        Type(screen.txtBox[kFirstPartnerName + partner],
             QString::fromStdString(entry.partnerName[partner]));
        Type(screen.txtBox[kFirstPartnerScore + partner],
             QString::fromStdString(entry.partnerScore[partner]));
    }
}

zeviza::GameRecord GameScreenTest::Expected(const parlow::games::frmAddGame& screen) {
    auto computed = parlow::games::ComputeGameFigures(screen.Entry(), screen.Course(),
                                                      screen.Golfer(), screen.GameDate());
    if (auto* figures = std::get_if<zeviza::GameRecord>(&computed)) {
        return *figures;
    }
    ADD_FAILURE() << "the round does not compute";
    return {};
}

::testing::AssertionResult GameScreenTest::StoredAs(const std::string& gameID,
                                                    const zeviza::GameRecord& f) const {
    auto db = folder.Open();
    SQLite::Statement row(db, "SELECT * FROM tblGames WHERE GameID = ?");
    row.bind(1, gameID);
    if (!row.executeStep()) {
        return ::testing::AssertionFailure() << "no game " << gameID;
    }
    std::string wrong;
    auto number = [&](const std::string& column, double want) {
        const double have = row.getColumn(column.c_str()).getDouble();
        if (std::abs(have - want) > 1e-4 * std::max(1.0, std::abs(want))) {
            wrong +=
                " " + column + "=" + std::to_string(have) + " (want " + std::to_string(want) + ")";
        }
    };
    auto text = [&](const char* column, const std::string& want) {
        const std::string have = row.getColumn(column).getString();
        if (have != want) {
            wrong += std::string(" ") + column + "='" + have + "' (want '" + want + "')";
        }
    };
    for (int hole = 1; hole <= 18; ++hole) {
        number("Score" + std::to_string(hole), f.scores[hole - 1]);
        number("Par" + std::to_string(hole), f.pars[hole - 1]);
        number("HCap" + std::to_string(hole), f.holeHandicaps[hole - 1]);
    }
    number("ScoreOut", f.scoreOut);
    number("ScoreIn", f.scoreIn);
    number("GrossScore", f.gross);
    number("NetScore", f.net);
    for (int partner = 0; partner < 3; ++partner) {
        number("PartnerScore" + std::to_string(partner + 1), f.partnerScores[partner]);
        text(("Partner" + std::to_string(partner + 1)).c_str(), f.partners[partner]);
    }
    const zeviza::GameStats& s = f.stats;
    const std::pair<const char*, int> stats[] = {{"FWaysLeft", s.fairwaysLeft},
                                                 {"FWaysRight", s.fairwaysRight},
                                                 {"GreensLeft", s.greensLeft},
                                                 {"GreensRight", s.greensRight},
                                                 {"GreensLong", s.greensLong},
                                                 {"GreensShort", s.greensShort},
                                                 {"PuttsLeft", s.puttsLeft},
                                                 {"PuttsRight", s.puttsRight},
                                                 {"PuttsLong", s.puttsLong},
                                                 {"PuttsShort", s.puttsShort},
                                                 {"SandSaves", s.sandSaves},
                                                 {"UpDowns", s.upDowns},
                                                 {"FWaysMissed", s.fairwaysMissed},
                                                 {"TotalPutts", s.totalPutts},
                                                 {"LongDrive", s.longDrive},
                                                 {"Aces", s.aces},
                                                 {"DEagles", s.doubleEagles},
                                                 {"Eagles", s.eagles},
                                                 {"Birds", s.birdies},
                                                 {"Pars", s.pars},
                                                 {"Bogies", s.bogies},
                                                 {"DBogies", s.doubleBogies},
                                                 {"TBogies", s.tripleBogies},
                                                 {"QBogies", s.quadrupleBogies},
                                                 {"Others", s.others},
                                                 {"GreensMissed", s.greensMissed},
                                                 {"PuttsMissed", s.puttsMissed},
                                                 {"TotalFWays", s.fairwaysToHit},
                                                 {"Par3Scr", s.parScores[0]},
                                                 {"Par4Scr", s.parScores[1]},
                                                 {"Par5Scr", s.parScores[2]}};
    for (const auto& [column, value] : stats) {
        number(column, value);
    }
    number("Holes", f.holes);
    number("Handicap", f.handicap);
    number("StrokeAvg", f.strokeAverage);
    number("PercentGreensHit", f.greensHit);
    number("PercentFWaysHit", f.fairwaysHit);
    for (int type = 0; type < 3; ++type) {
        number("Par" + std::to_string(type + 3) + "Avg", f.parAverages[type]);
    }
    text("GolferID", f.golferId);
    text("FullName", f.golferName);
    text("Category", f.category);
    text("ClubID", f.clubId);
    text("Club", f.clubName);
    text("Tees", f.tees);
    text("PlayDate", f.playDate);
    if (!wrong.empty()) {
        return ::testing::AssertionFailure() << gameID << ":" << wrong;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult GameScreenTest::StatisticsMatchGames(const std::string& golferID) const {
    return writes_support::StatisticsMatchGames(folder, golferID);
}

writes_support::Statistics GameScreenTest::Statistics(const std::string& golferID) const {
    auto db = folder.Open();
    return StoredStatistics(db, golferID);
}

void GameScreenTest::StoreGame(const std::string& gameID, const std::string& golferID, int over,
                               int seed) {
    zeviza::Putt putt(folder.Path());
    const writes_support::Course course = PineHollow();
    Game game = MakeGame(gameID, golferID, golferID == kAnn ? "Ann O'Hara" : "Zoë Łukasiewicz",
                         course, ParScores(course, 18, over), seed);
    EXPECT_TRUE(game.Add(putt));
}

}  // namespace game_tests

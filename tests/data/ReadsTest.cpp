#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "zeviza/Putt.h"

namespace {

using testing_support::ProgramFolder;
using testing_support::ScriptedPrompts;
using zeviza::RecordSet;

std::vector<std::string> Column(zeviza::RecordSetPtr set, const std::string& name) {
    std::vector<std::string> values;
    EXPECT_NE(set, nullptr);
    if (!set || set->IsEmpty()) {
        return values;
    }
    for (set->MoveFirst(); !set->Eof(); set->MoveNext()) {
        values.push_back(set->Field(name).ToText());
    }
    return values;
}

class ReadsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.Exec(
            "INSERT INTO tblGolfer (GolferID, FName, LName, FullName, Category, Handicap, Age, "
            "City, Address, Club, Holes9, Holes18) VALUES "
            "('D2','Zed','Adams','Zed Adams','Adult Male',12.5,40,'Ames','1 Elm','Oaks',9,18),"
            "('D4','Amy','Young','Amy Young','Junior Female',3,15,'Bath','2 Oak','Pines',0,36),"
            "('D6','Bob','Marsh','Bob Marsh','Adult Male',0,60,'Cork','3 Ash','Firs',0,0);");
        folder.Exec(
            "INSERT INTO tblClub (ClubID, ClubName, City, State, Tees, ClubPro, CoursePar) VALUES "
            "('C2','Whistling Straits','Kohler','WI','Black','Pat',72),"
            "('C4','Augusta','Augusta','GA','Gold','Lee',72);");
        folder.Exec(
            "INSERT INTO tblGames (GameID, GolferID, FullName, Club, Holes, TotalNet18, GrossScore)"
            " VALUES ('G1','D2','Zed Adams','Augusta',18,80,90),"
            "('G2','D4','Amy Young','Augusta',9,0,45),"
            "('G3','D99','Nobody','Augusta',18,70,70);");
    }

    ProgramFolder folder;
    ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
};

TEST_F(ReadsTest, GolferListsAreSortedByLastNameAndByFullName) {
    EXPECT_EQ(Column(putt.LoadGolferList(), "LName"),
              (std::vector<std::string>{"Adams", "Marsh", "Young"}));
    auto list = putt.LoadGolferList();
    EXPECT_EQ(list->Columns(),
              (std::vector<std::string>{"GolferID", "FullName", "LName", "Category", "Handicap"}));
    EXPECT_EQ(Column(putt.LoadGolfer(), "FullName"),
              (std::vector<std::string>{"Amy Young", "Bob Marsh", "Zed Adams"}));
    EXPECT_EQ(putt.LoadGolfer()->Columns(),
              (std::vector<std::string>{"GolferID", "FullName", "Address", "Club", "Age", "City"}));
}

// Names read as people read them whatever their case and accents; the
// stored texts stay exactly as written.
TEST_F(ReadsTest, NamesSortCaseInsensitivelyWithAccentsBesideTheirBaseLetters) {
    const std::vector<std::string> readersOrder = {"abc", "Bob", "Émile", "smith", "Zoë"};
    folder.Exec("DELETE FROM tblGolfer; DELETE FROM tblClub;");
    int row = 0;
    for (const char* name : {"Zoë", "smith", "abc", "Émile", "Bob"}) {
        const std::string n = std::to_string(++row);
        folder.Exec("INSERT INTO tblGolfer (GolferID, LName, FullName) VALUES ('D" + n + "','" +
                    name + "','" + name + "');");
        folder.Exec("INSERT INTO tblClub (ClubID, ClubName) VALUES ('C" + n + "','" + name + "');");
    }
    EXPECT_EQ(Column(putt.LoadGolferList(), "LName"), readersOrder);
    EXPECT_EQ(Column(putt.LoadGolfer(), "FullName"), readersOrder);
    EXPECT_EQ(Column(putt.LoadClubList(), "ClubName"), readersOrder);
    EXPECT_EQ(Column(putt.LoadClub(), "ClubName"), readersOrder);
    EXPECT_EQ(folder.Text("SELECT group_concat(LName, ',') FROM (SELECT LName FROM tblGolfer "
                          "ORDER BY ID)"),
              "Zoë,smith,abc,Émile,Bob");
}

TEST_F(ReadsTest, EditLoadsReadOneRowByIdentifierWithEveryColumn) {
    auto golfer = putt.LoadGolferEdit("D4");
    ASSERT_EQ(golfer->RecordCount(), 1u);
    EXPECT_EQ(golfer->Field("fullname").ToText(), "Amy Young");  // any case
    EXPECT_EQ(golfer->Columns().size(), 24u);
    EXPECT_TRUE(golfer->Field("BDate").IsNull());

    auto club = putt.LoadClubEdit("C2");
    ASSERT_EQ(club->RecordCount(), 1u);
    EXPECT_EQ(club->Columns().size(), 21u + 18u * 2u + 2u);
    EXPECT_EQ(club->Columns()[21], "Par1");
    EXPECT_EQ(club->Columns()[22], "HCap1");
    EXPECT_EQ(club->Columns()[39], "ParOut");
    EXPECT_EQ(club->Columns().back(), "ParIn");
    EXPECT_EQ(club->Field("ClubMgrPhone").ToText(), "");
}

// Calls reuse the statements an earlier call prepared; another program
// changing the tables meanwhile is seen at the next call, as it was when
// every call prepared its statements afresh.
TEST_F(ReadsTest, ACallAfterAnotherProgramChangedTheTablesSeesTheChange) {
    ASSERT_EQ(putt.LoadGameEdit("G1")->Field("GrossScore").ToText(), "90");
    const std::size_t columns = putt.LoadGameEdit("G1")->Columns().size();
    folder.Exec("ALTER TABLE tblGames ADD COLUMN Weather TEXT;");
    folder.Exec("UPDATE tblGames SET GrossScore = 91, Weather = 'Windy' WHERE GameID = 'G1';");

    auto game = putt.LoadGameEdit("G1");
    ASSERT_EQ(game->RecordCount(), 1u);
    EXPECT_EQ(game->Columns().size(), columns + 1);
    EXPECT_EQ(game->Field("Weather").ToText(), "Windy");
    EXPECT_EQ(game->Field("GrossScore").ToText(), "91");
    folder.Exec("DELETE FROM tblGames WHERE GameID = 'G1';");
    EXPECT_TRUE(putt.LoadGameEdit("G1")->IsEmpty());
}

TEST_F(ReadsTest, CourseListsAreSortedByName) {
    EXPECT_EQ(Column(putt.LoadClub(), "ClubName"),
              (std::vector<std::string>{"Augusta", "Whistling Straits"}));
    auto list = putt.LoadClubList();
    EXPECT_EQ(list->Columns().size(), 4u + 36u + 6u);
    EXPECT_EQ(Column(putt.LoadClubList(), "ClubID"), (std::vector<std::string>{"C4", "C2"}));
}

TEST_F(ReadsTest, LookupListsAreFilledAndSorted) {
    auto states = Column(putt.LoadStates(), "State");
    EXPECT_EQ(states.size(), 51u);
    EXPECT_TRUE(std::is_sorted(states.begin(), states.end()));
    EXPECT_NE(std::find(states.begin(), states.end(), "DC"), states.end());

    auto provinces = Column(putt.LoadCanada(), "StateFull");
    EXPECT_EQ(provinces.size(), 13u);
    EXPECT_TRUE(std::is_sorted(provinces.begin(), provinces.end()));
    EXPECT_EQ(provinces.front(), "Alberta");
}

TEST_F(ReadsTest, DeleteGameListLeavesOutGamesWithoutAGolfer) {
    auto games = putt.LoadDeleteGame();
    ASSERT_NE(games, nullptr);
    EXPECT_EQ(games->RecordCount(), 2u);
    auto ids = Column(putt.LoadDeleteGame(), "GameID");
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<std::string>{"G1", "G2"}));
    EXPECT_EQ(games->Columns().size(), 48u + 2u);
    EXPECT_EQ(games->Columns().back(), "Holes18");
    // The repeated TotalNet18 reads as the first one.
    for (games->MoveFirst(); !games->Eof(); games->MoveNext()) {
        if (games->Field("GameID").ToText() == "G1") {
            EXPECT_EQ(games->Field("TotalNet18").ToInt(), 80);
            EXPECT_EQ(games->Field("Holes18").ToInt(), 18);
        }
    }
}

TEST_F(ReadsTest, RefreshReadsTellWhetherRecordsExist) {
    EXPECT_EQ(putt.RefreshGolfers()->RecordCount(), 3u);
    EXPECT_EQ(putt.RefreshGames()->RecordCount(), 3u);
    EXPECT_EQ(putt.RefreshClubs()->RecordCount(), 2u);
    EXPECT_EQ(putt.RefreshStats(9)->RecordCount(), 1u);
    EXPECT_EQ(putt.RefreshStats(18)->RecordCount(), 2u);
    EXPECT_EQ(putt.RefreshStats()->RecordCount(), 3u);

    folder.Exec("DELETE FROM tblGames;");
    auto none = putt.RefreshStats(9);
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->Eof());
    EXPECT_TRUE(none->Bof());
}

TEST_F(ReadsTest, NewIdentifierReadsReturnTheLargestRowNumberOrNull) {
    auto golfers = putt.GetNewGolferID();
    EXPECT_EQ(golfers->Field("NewGolferID").ToInt(), 3);
    EXPECT_EQ(putt.GetNewClubID()->Field("NewClubID").ToInt(), 2);
    folder.Exec("DELETE FROM tblGames;");
    EXPECT_TRUE(putt.GetNewGameID()->Field("NewGameID").IsNull());
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(ReadsTest, HostileIdentifiersAreDataNotStatements) {
    auto none = putt.LoadGolferEdit("'); DROP TABLE tblGolfer;--");
    EXPECT_TRUE(none->IsEmpty());
    none = putt.LoadClubEdit("' OR '1'='1");
    EXPECT_TRUE(none->IsEmpty());
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer;"), 3);
}

TEST(RecordSet, ReadsRowByRowAndSaysWhenItIsEmpty) {
    RecordSet set({"A", "B"},
                  {{zeviza::Value(1), zeviza::Value("x")}, {zeviza::Value(2), zeviza::Value()}});
    EXPECT_FALSE(set.Eof());
    EXPECT_FALSE(set.Bof());
    EXPECT_EQ(set.Field("a").ToInt(), 1);
    set.MoveNext();
    EXPECT_EQ(set.Field("B").ToText(), "");
    set.MoveNext();
    EXPECT_TRUE(set.Eof());
    EXPECT_THROW(set.Field("A"), zeviza::Error);
    EXPECT_THROW(set.MoveNext(), zeviza::Error);
    set.MoveFirst();
    EXPECT_THROW(set.Field("C"), zeviza::Error);
    set.Close();
    EXPECT_FALSE(set.IsOpen());
    EXPECT_TRUE(set.IsEmpty());

    RecordSet empty({"A"}, {});
    EXPECT_TRUE(empty.Eof() && empty.Bof());
}

}  // namespace

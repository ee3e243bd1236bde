#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

// Texts that would break or subvert a statement built by splicing are stored
// and read back as the writes describe: cleaned texts lose their NULs and
// outer spaces and keep one apostrophe each, texts written as is keep every
// byte. Nothing reaches the schema.

namespace {

using namespace writes_support;

std::vector<std::string> HostileTexts() {
    return {"O'Brien",
            "''",
            "\"quoted\" and `ticked`",
            "semi;colon; ;",
            "'); DROP TABLE tblGolfer;--",
            "x' OR '1'='1",
            std::string("nul\0inside\0", 11),
            "Ångström Łódź 東京 Москва ñ",
            "back\\slash %_ ?1 :name @p $v",
            "line\r\nbreak\ttab"};
}

// What a cleaned text reads back as.
std::string CleanedForm(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct HostileTextWritesTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};

    void ExpectSchemaIntact() {
        EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name "
                               "IN ('tblGolfer','tblClub','tblGames','tblStates','tblCanada')"),
                  5);
        EXPECT_GT(folder.Count("SELECT COUNT(*) FROM tblStates"), 0);
    }
};

TEST_F(HostileTextWritesTest, GolferTextsAreStoredAndReadBackVerbatimUnderTheRules) {
    int n = 0;
    for (const auto& hostile : HostileTexts()) {
        SCOPED_TRACE(n);
        const std::string id = "D" + std::to_string(2 * ++n);
        auto text = GolferText(id, hostile, hostile);
        text[20] = hostile;  // Sex, written as is
        ASSERT_TRUE(putt.AddGolfer(text, 30, 1.5f));

        auto row = putt.LoadGolferEdit(id);
        ASSERT_FALSE(row->IsEmpty());
        EXPECT_EQ(row->Field("FName").ToText(), CleanedForm(hostile));
        EXPECT_EQ(row->Field("Sex").ToText(), hostile);
    }
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer"), n);
    EXPECT_TRUE(prompts.Shown().empty());
    ExpectSchemaIntact();
}

TEST_F(HostileTextWritesTest, EditedNamesReachTheGolfersGamesExactlyAsTheGolferRow) {
    Course course{"C2", "Links", StandardPars()};
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    ASSERT_TRUE(AddCourse(putt, course));
    auto game = MakeGame("G1", "D2", "Tom Watson", course, ParScores(course, 18));
    ASSERT_TRUE(game.Add(putt));

    for (const auto& hostile : HostileTexts()) {
        auto text = GolferEditText("Tom", "Watson");
        text[18] = hostile;
        std::string id = "D2";
        ASSERT_TRUE(putt.UpdateGolfer(text, 30, 1.5f, id));
        // The games take the same name as the golfer row (no outer spaces here).
        EXPECT_EQ(folder.Text("SELECT FullName FROM tblGolfer"), CleanedForm(hostile));
        EXPECT_EQ(folder.Text("SELECT FullName FROM tblGames"), CleanedForm(hostile));
    }
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
    ExpectSchemaIntact();
}

TEST_F(HostileTextWritesTest, CourseAndGameTextsAreStoredVerbatimUnderTheRules) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    int n = 0;
    for (const auto& hostile : HostileTexts()) {
        ++n;
        Course course{"C" + std::to_string(2 * n), hostile, StandardPars(), hostile};
        ASSERT_TRUE(AddCourse(putt, course));
        auto game = MakeGame("G" + std::to_string(n), "D2", hostile, course, ParScores(course, 9));
        game.partners[1] = hostile;
        game.category = hostile;
        ASSERT_TRUE(game.Add(putt));

        const std::string where = " WHERE ClubID = 'C" + std::to_string(2 * n) + "'";
        EXPECT_EQ(folder.Text("SELECT ClubName FROM tblClub" + where), CleanedForm(hostile));
        EXPECT_EQ(folder.Text("SELECT Tees FROM tblClub" + where), hostile);
        EXPECT_EQ(folder.Text("SELECT Club FROM tblGames" + where), CleanedForm(hostile));
        EXPECT_EQ(folder.Text("SELECT FullName FROM tblGames" + where), CleanedForm(hostile));
        EXPECT_EQ(folder.Text("SELECT Partner2 FROM tblGames" + where), CleanedForm(hostile));
        EXPECT_EQ(folder.Text("SELECT Category FROM tblGames" + where), hostile);
    }
    EXPECT_TRUE(StatisticsMatchGames(folder, "D2"));
    ExpectSchemaIntact();
}

TEST_F(HostileTextWritesTest, IdentifiersMatchOnlyThemselves) {
    ASSERT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
    for (std::string id : {"x' OR '1'='1", "'); DROP TABLE tblGolfer;--", "D2 "}) {
        prompts.Answer(zeviza::Answer::Yes);
        EXPECT_TRUE(putt.DeleteGolfer(id));
        prompts.Answer(zeviza::Answer::Yes);
        EXPECT_TRUE(putt.DeleteClub(id));
    }
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer"), 1);
    ExpectSchemaIntact();
}

}  // namespace

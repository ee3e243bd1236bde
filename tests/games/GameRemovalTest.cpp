#include <gtest/gtest.h>

#include "games/rules/GameRemoval.h"

namespace {

using parlow::games::MakeRemovalArguments;

// A row of the game list: identity, scores, then the 38 counts 101, 102, ...
std::vector<std::string> Row() {
    std::vector<std::string> row = {"G7", "Ann O'Hara", "Pine Hollow", "White", "2024-05-18",
                                    "85", "80",         "D2",          "18"};
    for (int count = 1; count <= 38; ++count) {
        row.push_back(std::to_string(100 + count));
    }
    return row;
}

TEST(GameRemovalTest, ArgumentsComeFromTheOneRowInDeleteGameSlots) {
    const auto arguments = MakeRemovalArguments(Row());
    EXPECT_EQ(arguments.strGameID, "G7");
    EXPECT_EQ(arguments.strGolferID, "D2");
    EXPECT_EQ(arguments.intHoles, 18);
    ASSERT_EQ(arguments.intStats.size(), 41u);
    EXPECT_EQ(arguments.intStats[0], 101);   // Aces
    EXPECT_EQ(arguments.intStats[37], 138);  // NetStrokes9
    EXPECT_EQ(arguments.intStats[38], 80);   // NetScore
    EXPECT_EQ(arguments.intStats[39], 85);   // GrossScore
    EXPECT_EQ(arguments.intStats[40], 0);
}

TEST(GameRemovalTest, CellsWithoutANumberGiveZero) {
    auto row = Row();
    row[8] = "";        // Holes
    row[9] = "many";    // Aces
    row[10] = "99999";  // beyond 16 bits
    row[5] = "84.5";    // Gross: halves go to the even neighbour
    row.resize(20);     // the last columns missing altogether
    const auto arguments = MakeRemovalArguments(row);
    EXPECT_EQ(arguments.intHoles, 0);
    EXPECT_EQ(arguments.intStats[0], 0);
    EXPECT_EQ(arguments.intStats[1], 0);
    EXPECT_EQ(arguments.intStats[2], 103);
    EXPECT_EQ(arguments.intStats[39], 84);
    EXPECT_EQ(arguments.intStats[37], 0);
}

}  // namespace

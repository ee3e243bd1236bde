#include <gtest/gtest.h>

#include "games/rules/GameRemoval.h"

namespace {

using parlow::games::MakeGameRemoval;

// A row of the game list: identity, scores, then the 38 counts 101, 102, ...
std::vector<std::string> Row() {
    std::vector<std::string> row = {"G7", "Ann O'Hara", "Pine Hollow", "White", "2024-05-18",
                                    "85", "80",         "D2",          "18"};
    for (int count = 1; count <= 38; ++count) {
        row.push_back(std::to_string(100 + count));
    }
    return row;
}

TEST(GameRemovalTest, TheRemovalNamesTheGameItsGolferAndItsLength) {
    const auto removal = MakeGameRemoval(Row());
    EXPECT_EQ(removal.gameId, "G7");
    EXPECT_EQ(removal.golferId, "D2");
    EXPECT_EQ(removal.holes, 18);
}

TEST(GameRemovalTest, ALengthWithoutANumberOrMissingCellsGiveZeroOrEmpty) {
    for (const char* holes : {"", "many", "99999"}) {
        auto row = Row();
        row[8] = holes;
        EXPECT_EQ(MakeGameRemoval(row).holes, 0) << holes;
    }
    auto row = Row();
    row.resize(3);
    const auto removal = MakeGameRemoval(row);
    EXPECT_EQ(removal.gameId, "G7");
    EXPECT_EQ(removal.golferId, "");
    EXPECT_EQ(removal.holes, 0);
}

}  // namespace

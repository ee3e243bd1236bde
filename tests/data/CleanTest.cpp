#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"
#include "zeviza/Putt.h"

namespace {

struct CleanTest : ::testing::Test {
    testing_support::ProgramFolder folder;
    zeviza::Putt putt{folder.Path()};
};

TEST_F(CleanTest, DoublesEachApostropheOnceInTheCallersTextToo) {
    std::string name = "O'Neil d'Arcy";
    EXPECT_EQ(putt.Clean(name), "O''Neil d''Arcy");
    EXPECT_EQ(name, "O''Neil d''Arcy");

    std::string adjacent = "''";
    EXPECT_EQ(putt.Clean(adjacent), "''''");

    std::string edges = "'a'";
    EXPECT_EQ(putt.Clean(edges), "''a''");
}

TEST_F(CleanTest, TrimsOnlyTheResultAndOnlySpaces) {
    std::string padded = "  Pebble Beach  ";
    EXPECT_EQ(putt.Clean(padded), "Pebble Beach");
    EXPECT_EQ(padded, "  Pebble Beach  ");

    std::string tabbed = "\tTab\t";
    EXPECT_EQ(putt.Clean(tabbed), "\tTab\t");
}

TEST_F(CleanTest, RemovesNulCharactersFromTheCallersText) {
    std::string withNul("Ab\0c' ", 6);
    EXPECT_EQ(putt.Clean(withNul), "Abc''");
    EXPECT_EQ(withNul, "Abc'' ");

    std::string empty;
    EXPECT_EQ(putt.Clean(empty), "");
}

TEST_F(CleanTest, ALongTextOfApostrophesAndNulsComesOutWhole) {
    std::string text;
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        text += std::string("a'\0b", 4);
        expected += "a''b";
    }
    EXPECT_EQ(putt.Clean(text), expected);
    EXPECT_EQ(text, expected);
}

}  // namespace

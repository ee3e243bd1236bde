#include <gtest/gtest.h>

#include "zeviza/Identifiers.h"

namespace {

TEST(Identifiers, FormFromTheLargestRowNumber) {
    EXPECT_EQ(zeviza::MakeNewGolferID(zeviza::Value()), "D2");
    EXPECT_EQ(zeviza::MakeNewGolferID(zeviza::Value(0)), "D2");
    EXPECT_EQ(zeviza::MakeNewClubID(zeviza::Value()), "C2");
    EXPECT_EQ(zeviza::MakeNewGameID(zeviza::Value()), "G1");
    EXPECT_EQ(zeviza::MakeNewGolferID(zeviza::Value(7)), "D16");
    EXPECT_EQ(zeviza::MakeNewClubID(zeviza::Value(7)), "C16");
    EXPECT_EQ(zeviza::MakeNewGameID(zeviza::Value(9999)), "G10000");
}

}  // namespace

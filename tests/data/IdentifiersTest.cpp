#include <gtest/gtest.h>

#include "zeviza/Identifiers.h"

namespace {

TEST(Identifiers, FormFromTheLargestRowNumber) {
    EXPECT_EQ(zeviza::FormIdentifier(zeviza::kGolferIdentifiers, zeviza::Value()), "D2");
    EXPECT_EQ(zeviza::FormIdentifier(zeviza::kGolferIdentifiers, zeviza::Value(0)), "D2");
    EXPECT_EQ(zeviza::FormIdentifier(zeviza::kClubIdentifiers, zeviza::Value()), "C2");
    EXPECT_EQ(zeviza::FormIdentifier(zeviza::kGameIdentifiers, zeviza::Value()), "G1");
    EXPECT_EQ(zeviza::FormIdentifier(zeviza::kGolferIdentifiers, zeviza::Value(7)), "D16");
    EXPECT_EQ(zeviza::FormIdentifier(zeviza::kClubIdentifiers, zeviza::Value(7)), "C16");
    EXPECT_EQ(zeviza::FormIdentifier(zeviza::kGameIdentifiers, zeviza::Value(9999)), "G10000");
}

}  // namespace

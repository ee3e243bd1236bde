#include <gtest/gtest.h>

#include <unistd.h>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "tests/support/ProgramFolder.h"
#include "zeviza/ErrorLog.h"

namespace {

using testing_support::ProgramFolder;
using testing_support::ReadFile;
using zeviza::AppendErrorLog;
using zeviza::LogEntryKind;

const std::string kDashes = "%---------------------------------------------------%\r\n";
const std::string kSpaces = "%                                                   %\r\n";

zeviza::Clock::time_point At(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return zeviza::Clock::from_time_t(std::mktime(&tm));
}

TEST(ErrorLog, FirstLibraryEntryCreatesTheHeaderAndTheSecondAppendsWithoutIt) {
    ProgramFolder folder;
    const auto when = At(2026, 12, 8, 9, 5, 7);
    AppendErrorLog(folder.Path(), LogEntryKind::Library, -2147217900, "Syntax error.",
                   "Add Game - DLL Function", when);
    const std::string first = kDashes + "                Parlow - Error Log\r\n" + kDashes +
                              kSpaces + "2026-12-08 09:05:07  Error: -2147217900\r\n" +
                              "Add Game - DLL Function\r\n" + kDashes + "Syntax error.\r\n" +
                              kDashes;
    EXPECT_EQ(folder.ReadErrorLog(), first);

    AppendErrorLog(folder.Path(), LogEntryKind::Library, 5, "Locked.", "Remove Game - DLL Function",
                   when);
    const std::string second = kSpaces + "2026-12-08 09:05:07 Error: 5\r\n" +
                               "Remove Game - DLL Function\r\n" + kDashes + "Locked.\r\n" + kDashes;
    EXPECT_EQ(folder.ReadErrorLog(), first + second);
}

TEST(ErrorLog, SeparatorsAreFiftyThreeCharacters) {
    EXPECT_EQ(kDashes.size(), 53u + 2u);
    EXPECT_EQ(kSpaces.size(), 53u + 2u);
}

TEST(ErrorLog, ConstructionFailureHasItsOwnBannerLabelAndShortClosingLine) {
    ProgramFolder folder;
    const auto when = At(2026, 1, 2, 3, 4, 5);
    const std::string shortDashes = "%---------------------------------%\r\n";
    ASSERT_EQ(shortDashes.size(), 35u + 2u);

    AppendErrorLog(folder.Path(), LogEntryKind::ConstructionFailure, 3706, "Gone.", "ignored",
                   when);
    EXPECT_EQ(folder.ReadErrorLog(),
              kDashes + "             Parlow Manager - Error Log\r\n" + kDashes + kSpaces +
                  "2026-01-02 03:04:05  Error: 3706\r\nInitialize Database Connection\r\n" +
                  kDashes + "Gone.\r\n" + shortDashes);

    const auto before = folder.ReadErrorLog();
    AppendErrorLog(folder.Path(), LogEntryKind::ConstructionFailure, 3706, "Gone.", "ignored",
                   when);
    EXPECT_EQ(folder.ReadErrorLog(),
              before + kSpaces + "% Error Information %\r\n" +
                  "2026-01-02 03:04:05 Error: 3706\r\nInitialize Database Connection\r\n" +
                  kDashes + "Gone.\r\n" + shortDashes);
}

TEST(ErrorLog, ProgramEntriesSignTheNumberAndUseTheShortRule) {
    ProgramFolder folder;
    const auto when = At(2026, 12, 8, 23, 59, 59);
    AppendErrorLog(folder.Path(), LogEntryKind::Program, 13, "Type mismatch",
                   "SubMain Load Procedure", when);
    AppendErrorLog(folder.Path(), LogEntryKind::Program, -7, "Odd", "SubMain Load Procedure", when);
    EXPECT_EQ(folder.ReadErrorLog(),
              kDashes + "                Parlow - Error Log\r\n" + kDashes +  //
                  kSpaces + "2026-12-08 23:59:59 Error: 13\r\nSubMain Load Procedure\r\n---\r\n" +
                  "Type mismatch\r\n" + kDashes +  //
                  kSpaces + "2026-12-08 23:59:59 Error:-7\r\nSubMain Load Procedure\r\n---\r\n" +
                  "Odd\r\n" + kDashes);
}

TEST(ErrorLog, AFolderThatCannotBeWrittenIsSilentlyPassedOver) {
    AppendErrorLog("/proc/no-such-folder", LogEntryKind::Library, 1, "x", "y");
    ProgramFolder folder;
    std::filesystem::permissions(
        folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    AppendErrorLog(folder.Path(), LogEntryKind::Library, 1, "x", "y");
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_FALSE(std::filesystem::exists(folder.ErrorLog()));
    }
}

}  // namespace

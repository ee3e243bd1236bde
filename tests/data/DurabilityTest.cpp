#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Connection.h"
#include "zeviza/Putt.h"

// Every connection keeps a unit of work whole across a crash by its own
// settings, whatever the file or the machine's SQLite build would choose.

namespace {

TEST(DurabilityTest, EachConnectionUsesTheRollbackJournalAndSyncsEveryCommit) {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    // A file left in write-ahead mode by some other tool is put back.
    folder.Exec("PRAGMA journal_mode=WAL;");
    zeviza::Putt putt(folder.Path());

    ASSERT_TRUE(writes_support::AddGolfer(putt, "D2", "Tom", "Watson"));
    for (int open = 0; open < 2; ++open) {  // a fresh handle, then a kept one
        zeviza::Connection connection(putt.strConnect);
        connection.Open();
        EXPECT_EQ(connection.Execute("PRAGMA journal_mode;")->Field(std::size_t{0}).ToText(),
                  "delete");
        EXPECT_EQ(connection.Execute("PRAGMA synchronous;")->Field(std::size_t{0}).ToInt(),
                  2);  // FULL
        connection.Close();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Database().string() + "-wal"));
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer"), 1);
    EXPECT_TRUE(prompts.Shown().empty());
}

}  // namespace

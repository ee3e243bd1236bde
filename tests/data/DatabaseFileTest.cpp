#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/DatabaseFile.h"

// The database file is checked before it is used and copied while it is sound.

namespace {

namespace fs = std::filesystem;
using testing_support::ProgramFolder;
using testing_support::ReadFile;
using zeviza::BackupOutcome;

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string RandomBytes(std::size_t count) {
    std::mt19937 random(7);
    std::string bytes(count, '\0');
    for (auto& byte : bytes) {
        byte = static_cast<char>(random() & 0xff);
    }
    return bytes;
}

TEST(DatabaseCheckTest, TheShippedDatabaseAndOneInUseAreSound) {
    ProgramFolder folder;
    EXPECT_FALSE(zeviza::CheckDatabaseFile(folder.Database()).damaged);
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt(folder.Path());
    ASSERT_TRUE(writes_support::AddGolfer(putt, "D2", "Tom", "Watson"));
    EXPECT_FALSE(zeviza::CheckDatabaseFile(folder.Database()).damaged);
}

TEST(DatabaseCheckTest, DamagedFilesAreSaidToBeDamagedAndLeftAsTheyAre) {
    const std::pair<const char*, std::function<void(const ProgramFolder&)>> damages[] = {
        {"random bytes", [](const auto& f) { WriteFile(f.Database(), RandomBytes(65536)); }},
        {"empty", [](const auto& f) { WriteFile(f.Database(), ""); }},
        {"truncated",
         [](const auto& f) { fs::resize_file(f.Database(), fs::file_size(f.Database()) / 3); }},
        {"pages overwritten",
         [](const auto& f) {
             std::string bytes = ReadFile(f.Database());
             const std::string noise = RandomBytes(bytes.size() - 8192);
             bytes.replace(4096, noise.size(), noise);
             WriteFile(f.Database(), bytes);
         }},
        {"no program tables",
         [](const auto& f) {
             fs::remove(f.Database());
             SQLite::Database other(f.Database().string(),
                                    SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
             other.exec("CREATE TABLE notes (line TEXT);");
         }},
    };
    for (const auto& [name, damage] : damages) {
        SCOPED_TRACE(name);
        ProgramFolder folder;
        damage(folder);
        const std::string before = ReadFile(folder.Database());

        const zeviza::IntegrityReport report = zeviza::CheckDatabaseFile(folder.Database());

        EXPECT_TRUE(report.damaged);
        EXPECT_FALSE(report.description.empty());
        EXPECT_EQ(ReadFile(folder.Database()), before);
        const auto beside = std::distance(fs::directory_iterator(folder.Path() / "green"),
                                          fs::directory_iterator());
        EXPECT_EQ(beside, 1) << "no journal, no backup beside the file";
    }
}

struct BackupTest : ::testing::Test {
    ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    std::chrono::system_clock::time_point now = std::chrono::system_clock::now();

    BackupOutcome BackUp() {
        now += std::chrono::minutes(1);
        return zeviza::BackUpWhenChanged(folder.Path(), now);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(zeviza::BackupFolder(folder.Path()))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(BackupTest, ACopyIsMadeOnlyWhenTheDatabaseChangedSinceTheNewest) {
    const BackupOutcome first = BackUp();
    ASSERT_EQ(first.kind, BackupOutcome::Kind::Made) << first.description;
    EXPECT_EQ(first.file.parent_path(), folder.Path() / "green" / "backup");
    EXPECT_EQ(
        first.file.filename().string(), "parlow-" + [this] {
            std::string text = zeviza::DateTimeText(now);
            std::replace(text.begin(), text.end(), ' ', '-');
            std::erase(text, ':');
            return text;
        }() + ".plg");
    EXPECT_EQ(zeviza::NewestBackup(folder.Path()), first.file);
    EXPECT_EQ(BackUp().kind, BackupOutcome::Kind::Unchanged);

    zeviza::Putt putt(folder.Path());
    ASSERT_TRUE(writes_support::AddGolfer(putt, "D2", "Tom", "O'Hara"));
    const BackupOutcome second = BackUp();
    ASSERT_EQ(second.kind, BackupOutcome::Kind::Made);
    EXPECT_EQ(zeviza::NewestBackup(folder.Path()), second.file);
    EXPECT_EQ(Names().size(), 2u);

    // The copy is a sound database holding what was stored.
    EXPECT_FALSE(zeviza::CheckDatabaseFile(second.file).damaged);
    SQLite::Database copy(second.file.string());
    EXPECT_EQ(copy.execAndGet("SELECT LName FROM tblGolfer").getString(), "O'Hara");
}

TEST_F(BackupTest, OnlyTheNewestTenAreKeptAndOtherFilesAreLeftAlone) {
    fs::create_directories(zeviza::BackupFolder(folder.Path()));
    const auto old = fs::last_write_time(folder.Database()) - std::chrono::hours(24);
    for (int day = 10; day <= 20; ++day) {
        const auto file = zeviza::BackupFolder(folder.Path()) /
                          ("parlow-2020-01-" + std::to_string(day) + "-120000.plg");
        fs::copy_file(folder.Database(), file);
        fs::last_write_time(file, old);
    }
    WriteFile(zeviza::BackupFolder(folder.Path()) / "my notes.txt", "keep me");

    const BackupOutcome made = BackUp();

    ASSERT_EQ(made.kind, BackupOutcome::Kind::Made);
    const auto names = Names();
    ASSERT_EQ(names.size(), zeviza::kBackupsKept + 1);
    EXPECT_EQ(names.front(), "my notes.txt");
    EXPECT_EQ(names[1], "parlow-2020-01-12-120000.plg");  // the 10th and 11th went
    EXPECT_EQ(names.back(), made.file.filename().string());
}

TEST_F(BackupTest, AFolderThatCannotBeWrittenFailsWithoutThrowing) {
    WriteFile(folder.Path() / "green" / "backup", "a file where the folder belongs");
    const BackupOutcome outcome = BackUp();
    EXPECT_EQ(outcome.kind, BackupOutcome::Kind::Failed);
    EXPECT_FALSE(outcome.description.empty());
    EXPECT_FALSE(zeviza::NewestBackup(folder.Path()).has_value());
}

}  // namespace

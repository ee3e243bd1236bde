#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
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
    zeviza::BackupConditions conditions;

    BackupOutcome BackUp() {
        now += std::chrono::minutes(1);
        conditions.now = now;
        return zeviza::BackUpWhenChanged(folder.Path(), conditions);
    }
    // Writes to the database, so the next backup has something new to copy.
    void Change(const std::string& golferID) {
        zeviza::Putt putt(folder.Path());
        ASSERT_TRUE(writes_support::AddGolfer(putt, golferID, "Tom", "O'Hara"));
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(zeviza::BackupFolder(folder.Path()))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string UtcName(std::chrono::system_clock::time_point when) {
        const std::time_t t = std::chrono::system_clock::to_time_t(when);
        std::tm utc{};
        gmtime_r(&t, &utc);
        char text[40];
        std::strftime(text, sizeof text, "parlow-%Y-%m-%d-%H%M%SZ.plg", &utc);
        return text;
    }
};

TEST_F(BackupTest, ACopyIsMadeOnlyWhenTheDatabaseChangedSinceTheNewest) {
    const BackupOutcome first = BackUp();
    ASSERT_EQ(first.kind, BackupOutcome::Kind::Made) << first.description;
    EXPECT_EQ(first.file.parent_path(), folder.Path() / "green" / "backup");
    EXPECT_EQ(first.file.filename().string(), UtcName(now));
    EXPECT_EQ(zeviza::NewestBackup(folder.Path()), first.file);
    EXPECT_EQ(BackUp().kind, BackupOutcome::Kind::Unchanged);

    Change("D2");
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
    std::vector<fs::path> made;
    for (int i = 0; i < 11; ++i) {
        Change("D" + std::to_string(i + 2));
        const BackupOutcome outcome = BackUp();
        ASSERT_EQ(outcome.kind, BackupOutcome::Kind::Made) << outcome.description;
        made.push_back(outcome.file);
    }
    WriteFile(zeviza::BackupFolder(folder.Path()) / "my notes.txt", "keep me");
    Change("D20");

    const BackupOutcome last = BackUp();

    ASSERT_EQ(last.kind, BackupOutcome::Kind::Made);
    const auto names = Names();
    ASSERT_EQ(names.size(), zeviza::kBackupsKept + 1);
    EXPECT_EQ(names.front(), "my notes.txt");
    EXPECT_FALSE(fs::exists(made[0]));  // the two oldest went
    EXPECT_FALSE(fs::exists(made[1]));
    EXPECT_TRUE(fs::exists(made[2]));
    EXPECT_EQ(names.back(), last.file.filename().string());
}

// After the clock is put back an hour the new copy's name sorts oldest; it is
// kept all the same, and the oldest of the others goes instead.
TEST_F(BackupTest, TheCopyJustMadeIsKeptWhenTheClockWasPutBack) {
    for (int i = 0; i < 10; ++i) {
        Change("D" + std::to_string(i + 2));
        ASSERT_EQ(BackUp().kind, BackupOutcome::Kind::Made);
    }
    const auto before = Names();
    Change("D30");
    now -= std::chrono::hours(2);

    const BackupOutcome made = BackUp();

    ASSERT_EQ(made.kind, BackupOutcome::Kind::Made);
    EXPECT_EQ(made.file.filename().string(), UtcName(now));
    ASSERT_TRUE(fs::exists(made.file));
    SQLite::Database copy(made.file.string());
    EXPECT_EQ(copy.execAndGet("SELECT COUNT(*) FROM tblGolfer WHERE GolferID = 'D30'").getInt(), 1);
    const auto after = Names();
    EXPECT_EQ(after.size(), zeviza::kBackupsKept);
    EXPECT_EQ(after.front(), made.file.filename().string());
    EXPECT_EQ(std::count(after.begin(), after.end(), before.front()), 0);
    // Nothing changed since that copy: no further one, whatever the names say.
    EXPECT_EQ(BackUp().kind, BackupOutcome::Kind::Unchanged);
}

// Files of the backups' name pattern that the program did not write: a copy
// of the database the user made by hand, a text, a link. None is counted as
// a backup, none is removed, none is replaced by a copy of the same name.
TEST_F(BackupTest, FilesTheProgramDidNotMakeAreNeverCountedOrRemoved) {
    const fs::path backups = zeviza::BackupFolder(folder.Path());
    fs::create_directories(backups);
    std::map<std::string, std::string> foreign;
    const auto start = now + std::chrono::minutes(1);
    for (int i = 0; i < 12; ++i) {
        const std::string name = UtcName(start + std::chrono::minutes(i));
        const fs::path file = backups / name;
        if (i % 2 == 0) {
            fs::copy_file(folder.Database(), file);
        } else {
            WriteFile(file, "my own notes " + std::to_string(i));
        }
        foreign[name] = ReadFile(file);
    }
    fs::create_symlink(folder.Database(), backups / UtcName(start + std::chrono::hours(5)));
    EXPECT_FALSE(zeviza::NewestBackup(folder.Path()).has_value());

    std::vector<fs::path> made;
    for (int i = 0; i < 12; ++i) {
        Change("D" + std::to_string(i + 2));
        const BackupOutcome outcome = BackUp();  // the same names as the foreign files
        ASSERT_EQ(outcome.kind, BackupOutcome::Kind::Made) << outcome.description;
        made.push_back(outcome.file);
    }
    for (const auto& [name, bytes] : foreign) {
        EXPECT_EQ(ReadFile(backups / name), bytes) << name;
    }
    EXPECT_TRUE(fs::is_symlink(backups / UtcName(start + std::chrono::hours(5))));
    EXPECT_EQ(made[0].filename().string(), UtcName(start).substr(0, 24) + "Z-1.plg");
    EXPECT_FALSE(fs::exists(made[0]));
    EXPECT_FALSE(fs::exists(made[1]));
    EXPECT_EQ(zeviza::NewestBackup(folder.Path()), made.back());
}

TEST_F(BackupTest, ANearlyFullDiskSkipsTheBackupAndTheCapLimitsTheFolder) {
    const auto size = fs::file_size(folder.Database());
    struct Case {
        const char* name;
        std::uintmax_t freeSpace;
        BackupOutcome::Kind expected;
    };
    const Case cases[] = {
        {"plenty", std::uintmax_t{10} << 30, BackupOutcome::Kind::Made},
        {"just the floor after the copy", size + zeviza::kFreeSpaceFloor,
         BackupOutcome::Kind::Made},
        {"below the floor", size + zeviza::kFreeSpaceFloor - 1,
         BackupOutcome::Kind::SkippedForSpace},
        {"less than the database", size / 2, BackupOutcome::Kind::SkippedForSpace},
        {"none", 0, BackupOutcome::Kind::SkippedForSpace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(zeviza::BackupFolder(folder.Path()));
        conditions.freeSpace = [&c](const fs::path&) { return c.freeSpace; };
        const BackupOutcome outcome = BackUp();
        EXPECT_EQ(outcome.kind, c.expected) << outcome.description;
        if (c.expected == BackupOutcome::Kind::SkippedForSpace) {
            EXPECT_FALSE(outcome.description.empty());
            EXPECT_FALSE(zeviza::NewestBackup(folder.Path()).has_value());
        }
    }
    EXPECT_FALSE(zeviza::RoomForBackup(std::uintmax_t{200} << 20, std::uintmax_t{500} << 20));
    EXPECT_TRUE(zeviza::RoomForBackup(std::uintmax_t{200} << 20, std::uintmax_t{600} << 20));
    EXPECT_EQ(zeviza::BackupFolderCap(1000), std::uintmax_t{1} << 30);
    EXPECT_EQ(zeviza::BackupFolderCap(std::uintmax_t{415} << 20), std::uintmax_t{2075} << 20);
}

TEST_F(BackupTest, TheBackupFolderAndItsCopiesAreTheOwnersAloneWhateverTheUmask) {
    const mode_t previous = ::umask(022);
    const BackupOutcome made = BackUp();
    ::umask(previous);
    ASSERT_EQ(made.kind, BackupOutcome::Kind::Made);
    EXPECT_EQ(fs::status(zeviza::BackupFolder(folder.Path())).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(made.file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(BackupTest, AFolderThatCannotBeWrittenFailsWithoutThrowing) {
    WriteFile(folder.Path() / "green" / "backup", "a file where the folder belongs");
    const BackupOutcome outcome = BackUp();
    EXPECT_EQ(outcome.kind, BackupOutcome::Kind::Failed);
    EXPECT_FALSE(outcome.description.empty());
    EXPECT_FALSE(zeviza::NewestBackup(folder.Path()).has_value());
}

}  // namespace

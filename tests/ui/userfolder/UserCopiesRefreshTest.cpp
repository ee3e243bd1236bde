#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "tests/support/ProgramFolder.h"
#include "ui/UserFolder.h"

// After an upgrade each user's folder gets the new version's help, texts and
// pictures; the log and its backups are the user's and stay as they are.

namespace {

namespace fs = std::filesystem;
using testing_support::ProgramFolder;
using testing_support::ReadFile;

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::trunc) << text;
}

const char* const kProgramFiles[] = {"help/plg.hlp", "text/About.rtf", "images/kw6182.gif"};

// A user's folder holding copies of `version`'s files, a log and a backup.
struct UserFolder {
    ProgramFolder folder;
    fs::path Path() const { return folder.Path() / "parlow"; }
    explicit UserFolder(const std::string& version) {
        for (const char* file : kProgramFiles) {
            Write(Path() / file, "old " + std::string(file));
        }
        Write(Path() / "help" / "dropped.rtf", "a page the new version no longer has");
        Write(Path() / "green" / "parlow.plg", "the user's games");
        Write(Path() / "green" / "backup" / "parlow-2026-01-01-120000.plg", "a backup");
        if (!version.empty()) {
            Write(Path() / parlow::kCopiedVersionFile, version + "\n");
        }
    }
};

struct Installed {
    ProgramFolder folder;
    Installed() {
        for (const char* file : kProgramFiles) {
            Write(folder.Path() / file, "new " + std::string(file));
        }
        Write(folder.Path() / "green" / "parlow.plg", "the empty template");
        for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) {
            if (entry.is_regular_file()) {
                fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read);
            }
        }
    }
};

TEST(UserCopiesRefreshTest, VersionsCompareByTheirNumbersPartByPart) {
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"3.1.0", "3.1.0", 0},   {"3.1", "3.1.0", 0},      {"3.0.9", "3.1.0", -1},
        {"3.10.0", "3.9.2", 1},  {"", "3.1.0", -1},        {"4", "3.99.99", 1},
        {"3.1.0\n", "3.1.0", 0}, {"garbage", "0.0.1", -1},
    };
    for (const auto& c : cases) {
        const int got = parlow::CompareVersions(c.a, c.b);
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(UserCopiesRefreshTest, ANewerInstallationReplacesTheProgramsFilesButNotTheLog) {
    // No note at all: a folder made before versions were noted.
    for (const std::string copied : {"3.0.0", ""}) {
        SCOPED_TRACE("copies of version '" + copied + "'");
        Installed installed;
        UserFolder user(copied);
        ASSERT_EQ(parlow::RefreshUserCopies(installed.folder.Path(), user.Path(), "3.1.0"), "");
        for (const char* file : kProgramFiles) {
            EXPECT_EQ(ReadFile(user.Path() / file), "new " + std::string(file)) << file;
            EXPECT_NE(fs::status(user.Path() / file).permissions() & fs::perms::owner_write,
                      fs::perms::none)
                << file;
        }
        EXPECT_FALSE(fs::exists(user.Path() / "help" / "dropped.rtf"));
        EXPECT_EQ(ReadFile(user.Path() / "green" / "parlow.plg"), "the user's games");
        EXPECT_EQ(ReadFile(user.Path() / "green" / "backup" / "parlow-2026-01-01-120000.plg"),
                  "a backup");
        EXPECT_EQ(ReadFile(user.Path() / parlow::kCopiedVersionFile), "3.1.0\n");
        // Nothing left over from the swap.
        EXPECT_EQ(std::distance(fs::directory_iterator(user.Path()), {}), 5);
    }
}

TEST(UserCopiesRefreshTest, CopiesOfTheSameOrANewerVersionAreLeftAsTheyAre) {
    for (const std::string copied : {"3.1.0", "3.2.0"}) {
        SCOPED_TRACE("copies of version " + copied);
        Installed installed;
        UserFolder user(copied);
        ASSERT_EQ(parlow::RefreshUserCopies(installed.folder.Path(), user.Path(), "3.1.0"), "");
        EXPECT_EQ(ReadFile(user.Path() / "help" / "plg.hlp"), "old help/plg.hlp");
        EXPECT_TRUE(fs::exists(user.Path() / "help" / "dropped.rtf"));
        EXPECT_EQ(ReadFile(user.Path() / parlow::kCopiedVersionFile), copied + "\n");
    }
}

TEST(UserCopiesRefreshTest, AFailedRefreshKeepsTheOldCopiesAndIsTriedAgain) {
    Installed installed;
    UserFolder user("3.0.0");
    // A pipe cannot be copied, which stops even root.
    ASSERT_EQ(::mkfifo((installed.folder.Path() / "images" / "pipe").c_str(), 0600), 0);
    const std::string failure =
        parlow::RefreshUserCopies(installed.folder.Path(), user.Path(), "3.1.0");
    EXPECT_NE(failure.find((user.Path() / "images").string()), std::string::npos) << failure;
    EXPECT_EQ(ReadFile(user.Path() / "images" / "kw6182.gif"), "old images/kw6182.gif");
    EXPECT_EQ(ReadFile(user.Path() / "help" / "plg.hlp"), "new help/plg.hlp");
    EXPECT_EQ(ReadFile(user.Path() / parlow::kCopiedVersionFile), "3.0.0\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(user.Path()), {}), 5);
}

}  // namespace

#include "ui/UserFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "tests/support/ProgramFolder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProgramFolder;
using testing_support::ReadFile;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

// An installed folder as `cmake --install` lays it out, read-only as root leaves it.
class InstalledFolder {
  public:
    InstalledFolder() {
        Write(Path() / "Parlow", "program");
        Write(Path() / "libzeviza.so", "library");
        Write(Path() / parlow::kInstalledMarker, "installed");
        Write(Path() / "help" / "plg.hlp", "help");
        Write(Path() / "text" / "About.rtf", "about");
        Write(Path() / "images" / "kw6182.gif", "picture");
        for (const auto& entry : fs::recursive_directory_iterator(Path())) {
            if (entry.is_regular_file()) {
                fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read);
            }
        }
    }
    const fs::path& Path() const { return folder_.Path(); }
    const ProgramFolder& Folder() const { return folder_; }

  private:
    ProgramFolder folder_;
};

TEST(UserFolderTest, AnInstalledCopyKeepsTheLogInTheUsersDataFolderABuildInItsOwn) {
    InstalledFolder installed;
    ProgramFolder build;
    EXPECT_FALSE(parlow::IsInstalledCopy(build.Path()));
    EXPECT_TRUE(parlow::IsInstalledCopy(installed.Path()));

    ScopedEnv home("HOME", "/home/ann");
    {
        ScopedEnv data("XDG_DATA_HOME", "/data/ann");
        EXPECT_EQ(parlow::ProgramFolderFor(installed.Path()), "/data/ann/parlow");
        EXPECT_EQ(parlow::ProgramFolderFor(build.Path()), build.Path());
    }
    // Unset, empty or relative: the desktop's default.
    for (const char* data : {static_cast<const char*>(nullptr), "", "relative/data"}) {
        ScopedEnv unset("XDG_DATA_HOME", data);
        EXPECT_EQ(parlow::ProgramFolderFor(installed.Path()), "/home/ann/.local/share/parlow")
            << (data ? data : "unset");
    }
}

TEST(UserFolderTest, TheFirstStartCopiesTheTemplatesLaterStartsKeepTheUsersFiles) {
    InstalledFolder installed;
    ProgramFolder data;
    const fs::path mine = data.Path() / "share" / "parlow";

    ASSERT_EQ(parlow::MakeUserFolder(installed.Path(), mine), "");
    for (const char* file :
         {"green/parlow.plg", "help/plg.hlp", "text/About.rtf", "images/kw6182.gif"}) {
        ASSERT_TRUE(fs::is_regular_file(mine / file)) << file;
        EXPECT_EQ(ReadFile(mine / file), ReadFile(installed.Path() / file)) << file;
        EXPECT_NE(fs::status(mine / file).permissions() & fs::perms::owner_write, fs::perms::none)
            << file;
    }
    for (const char* file : {"Parlow", "libzeviza.so", parlow::kInstalledMarker}) {
        EXPECT_FALSE(fs::exists(mine / file)) << file;
    }

    // The user's records, and even a help file the user changed, stay as they are.
    { std::ofstream(mine / "green" / "parlow.plg", std::ios::app) << "the user's games"; }
    Write(mine / "help" / "plg.hlp", "my notes");
    fs::remove(mine / "images" / "kw6182.gif");
    const std::string records = ReadFile(mine / "green" / "parlow.plg");
    ASSERT_EQ(parlow::MakeUserFolder(installed.Path(), mine), "");
    EXPECT_EQ(ReadFile(mine / "green" / "parlow.plg"), records);
    EXPECT_EQ(ReadFile(mine / "help" / "plg.hlp"), "my notes");
    EXPECT_FALSE(fs::exists(mine / "images" / "kw6182.gif"));

    // Nothing but the user's folder appeared beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(mine.parent_path()), {}), 1);
}

TEST(UserFolderTest, AFolderThatCannotBeMadeIsReportedAndLeavesNothingBehind) {
    InstalledFolder installed;
    ProgramFolder data;

    Write(data.Path() / "blocked", "a file where the data folder should be");
    const std::string underFile =
        parlow::MakeUserFolder(installed.Path(), data.Path() / "blocked" / "parlow");
    EXPECT_NE(underFile.find((data.Path() / "blocked").string()), std::string::npos) << underFile;

    EXPECT_NE(parlow::MakeUserFolder(installed.Path(), {}), "");  // no home folder
    EXPECT_NE(parlow::MakeUserFolder(installed.Path(), "relative/parlow"), "");

    Write(data.Path() / "parlow", "a file named like the folder");
    const std::string named = parlow::MakeUserFolder(installed.Path(), data.Path() / "parlow");
    EXPECT_NE(named.find("is not a folder"), std::string::npos) << named;

    // A template that cannot be copied (here a pipe, which stops even root)
    // fails the copy; no half-made folder is left to be taken for the log.
    ASSERT_EQ(::mkfifo((installed.Path() / "images" / "pipe").c_str(), 0600), 0);
    const fs::path mine = data.Path() / "share" / "parlow";
    EXPECT_NE(parlow::MakeUserFolder(installed.Path(), mine), "");
    EXPECT_FALSE(fs::exists(mine));
    EXPECT_TRUE(fs::is_empty(mine.parent_path()));
}

}  // namespace

namespace {

fs::perms ModeOf(const fs::path& path) {
    return fs::symlink_status(path).permissions();
}

constexpr fs::perms kFolderMode = fs::perms::owner_all;
constexpr fs::perms kFileMode = fs::perms::owner_read | fs::perms::owner_write;

// The log holds addresses and phone numbers: under the usual umask 022 the
// folder is still made for its owner alone, and a folder an older copy left
// readable to everyone is closed again.
TEST(UserFolderTest, TheUsersFolderAndEverythingInItAreForTheOwnerAloneWhateverTheUmask) {
    InstalledFolder installed;
    ProgramFolder data;
    const fs::path mine = data.Path() / "share" / "parlow";
    const mode_t previous = ::umask(022);
    ASSERT_EQ(parlow::MakeUserFolder(installed.Path(), mine), "");
    for (const auto& entry : fs::recursive_directory_iterator(mine)) {
        EXPECT_EQ(ModeOf(entry.path()), entry.is_directory() ? kFolderMode : kFileMode)
            << entry.path();
    }
    EXPECT_EQ(ModeOf(mine), kFolderMode);

    // As an older copy left it: everyone may read, and a link out of the folder.
    Write(mine / "error.log", "entries");
    Write(mine / "green" / "backup" / "parlow-2024-05-18-093000Z.plg", "a copy");
    Write(data.Path() / "outside.txt", "not the program's");
    fs::permissions(data.Path() / "outside.txt", fs::perms::owner_read | fs::perms::others_read);
    fs::create_symlink(data.Path() / "outside.txt", mine / "link.txt");
    for (const auto& entry : fs::recursive_directory_iterator(mine)) {
        if (!entry.is_symlink()) {
            fs::permissions(entry.path(), entry.is_directory() ? fs::perms(0755) : fs::perms(0644));
        }
    }
    fs::permissions(mine, fs::perms(0755));

    EXPECT_EQ(parlow::MakeOwnerOnly(mine), "");
    ::umask(previous);

    EXPECT_EQ(ModeOf(mine), kFolderMode);
    for (const char* folder : {"green", "green/backup", "help", "text", "images"}) {
        EXPECT_EQ(ModeOf(mine / folder), kFolderMode) << folder;
    }
    for (const char* file : {"error.log", "green/parlow.plg",
                             "green/backup/parlow-2024-05-18-093000Z.plg", "help/plg.hlp"}) {
        EXPECT_EQ(ModeOf(mine / file), kFileMode) << file;
    }
    EXPECT_EQ(fs::status(data.Path() / "outside.txt").permissions(),
              fs::perms::owner_read | fs::perms::others_read);
}

}  // namespace

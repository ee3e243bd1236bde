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

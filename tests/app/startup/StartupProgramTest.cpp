// The program itself, copied into a sample program folder and started under
// the offscreen platform, where a box goes to standard error and is taken
// with its default button.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <filesystem>
#include <fstream>

#include "app/RunningCopy.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/gui/ProgramProcess.h"
#include "ui/UserFolder.h"

namespace {

namespace fs = std::filesystem;

struct Ended {
    int status = -1;  // -1: killed or never ended
    std::string errors;
};

class StartupProgramTest : public ::testing::Test {
  protected:
    StartupProgramTest() : runtime_(folder.Path() / "runtime") {
        fs::create_directory(runtime_);
        fs::permissions(runtime_, fs::perms::owner_all);
        const char* given = std::getenv("XDG_RUNTIME_DIR");
        runtimeBefore_ = given != nullptr ? given : "";
        ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    ~StartupProgramTest() override {
        if (runtimeBefore_.empty()) {
            ::unsetenv("XDG_RUNTIME_DIR");
        } else {
            ::setenv("XDG_RUNTIME_DIR", runtimeBefore_.c_str(), 1);
        }
    }

    static fs::path CopyProgramInto(const fs::path& programFolder) {
        return testing_support::CopyProgramInto(programFolder, {PARLOW_PROGRAM, PARLOW_LIBRARY});
    }

    void Start(QProcess& program, const fs::path& executable, QStringList arguments = {}) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_DATA_HOME", QString::fromStdString(dataHome.string()));
        program.setProcessEnvironment(environment);
        arguments.prepend("--no-splash");
        program.start(QString::fromStdString(executable.string()), arguments);
    }

    Ended Run(const fs::path& executable, const QStringList& arguments = {}) const {
        QProcess program;
        Start(program, executable, arguments);
        Ended ended;
        if (program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit) {
            ended.status = program.exitCode();
        }
        ended.errors = program.readAllStandardError().toStdString();
        return ended;
    }

    testing_support::ProgramFolder folder;
    fs::path dataHome = folder.Path() / "data";

  private:
    fs::path runtime_;
    std::string runtimeBefore_;
};

TEST_F(StartupProgramTest, AMissingDatabaseEndsTheProgramWithStatusOneAndAnEntryInTheLog) {
    const fs::path program = CopyProgramInto(folder.Path());
    fs::remove(folder.Database());

    const Ended ended = Run(program);

    EXPECT_EQ(ended.status, 1) << ended.errors;
    EXPECT_NE(ended.errors.find("parlow: ERROR - DATABASE NOT FOUND\nDatabase Not Found.\n"),
              std::string::npos)
        << ended.errors;
    EXPECT_NE(ended.errors.find("The program looked for it at " + folder.Database().string()),
              std::string::npos);
    EXPECT_NE(folder.ReadErrorLog().find("Database File Check"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder.Database()));
}

// Installed: the user's folder is made on the first start; with its log gone
// and no backup, the offer of a fresh log is answered No and nothing is made.
TEST_F(StartupProgramTest, AnInstalledCopyThatLostItsLogOffersAFreshOneAndMakesNoneUnasked) {
    const fs::path installed = folder.Path() / "installed" / "lib" / "parlow";
    fs::create_directories(installed);
    { std::ofstream(installed / parlow::kInstalledMarker); }
    const fs::path program = CopyProgramInto(installed);
    // The template lives where an installed program looks for its data.
    const fs::path data = parlow::InstalledDataFolder(installed);
    fs::create_directories(data / "green");
    fs::copy_file(folder.Database(), data / "green" / "parlow.plg");
    const fs::path mine = dataHome / "parlow";

    ASSERT_EQ(Run(program, {"--exit-when-shown"}).status, 0);
    fs::remove_all(mine / "green");
    const Ended ended = Run(program);

    EXPECT_EQ(ended.status, 1) << ended.errors;
    EXPECT_NE(
        ended.errors.find("No backup of it was found in " + (mine / "green" / "backup").string() +
                          ".\n\nMake a new, empty log from the installed template?"),
        std::string::npos)
        << ended.errors;
    EXPECT_NE(ended.errors.find("(answered No)"), std::string::npos);
    EXPECT_FALSE(fs::exists(mine / "green" / "parlow.plg"));
    EXPECT_NE(testing_support::ReadFile(mine / "error.log").find("Database Not Found: "),
              std::string::npos);
}

TEST_F(StartupProgramTest, ASecondCopyBringsTheFirstToTheFrontAndEndsWithStatusOne) {
    const fs::path executable = CopyProgramInto(folder.Path());
    QProcess first;
    Start(first, executable);
    ASSERT_TRUE(first.waitForStarted());
    // Asked as a second copy asks, until its window is up.
    QElapsedTimer waited;
    waited.start();
    while (parlow::BringRunningCopyToFront(folder.Path()) !=
               parlow::RunningCopyAnswer::BroughtToFront &&
           waited.elapsed() < 60000) {
        QThread::msleep(100);
    }

    const Ended second = Run(executable);

    EXPECT_EQ(second.status, 1) << second.errors;
    EXPECT_NE(second.errors.find("parlow: Parlow's Log\nParlow's Log is already running on this "
                                 "computer! \n\nIt is already running for this user; its window "
                                 "has been brought to the front."),
              std::string::npos)
        << second.errors;
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    EXPECT_TRUE(first.waitForFinished(10000));
}

}  // namespace

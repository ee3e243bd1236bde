#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/DatabaseProblems.h"
#include "app/RunningCopy.h"
#include "app/StartupCheck.h"
#include "app/modMain.h"
#include "tests/app/startup/StartupFixture.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/gui/GuiTest.h"
#include "ui/Platform.h"
#include "ui/ProgramState.h"
#include "ui/modGlobal.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/Error.h"

namespace {

using StartupTest = startup_test::StartupFixture;

TEST_F(StartupTest, WithTheDatabaseTheMainWindowComesUpWithItsPuttAndCaption) {
    auto started = Start();
    ASSERT_TRUE(started.run);
    ASSERT_NE(started.mainWindow, nullptr);
    EXPECT_EQ(started.mainWindow->windowTitle(), "The Parlow's Log v3.1");
    EXPECT_TRUE(started.mainWindow->isVisible());
    EXPECT_NE(parlow::CurrentPutt(), nullptr);
    EXPECT_EQ(parlow::HelpFilePath(), folder.Path() / "help" / "plg.hlp");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_EQ(std::filesystem::current_path(), folder.Path());
    delete started.mainWindow;
}

const std::string kNotFoundText =
    "Database Not Found.\r\n\r\nThe database must reside in the folder where it was "
    "originally installed.\r\n\r\nThe program looked for it at ";

TEST_F(StartupTest, WithoutTheDatabaseOnlyTheNotFoundBoxAppearsThenShutDown) {
    std::filesystem::remove(folder.Database());
    auto started = Start();
    EXPECT_FALSE(started.run);
    EXPECT_EQ(started.status, parlow::kStartRefused);
    EXPECT_EQ(started.mainWindow, nullptr);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().title, " ERROR - DATABASE NOT FOUND");
    const std::string backups = zeviza::BackupFolder(folder.Path()).string();
    EXPECT_EQ(prompts.Last().text, kNotFoundText + folder.Database().string() +
                                       ".\r\n\r\nNo backup of it was found in " + backups + ".");
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
    EXPECT_EQ(shutDowns, 1);
    EXPECT_EQ(parlow::CurrentPutt(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder.Database()));
    EXPECT_NE(folder.ReadErrorLog().find(" Error: 53\r\nDatabase File Check\r\n---\r\n"
                                         "Database Not Found: " +
                                         folder.Database().string() + "; no backup in " + backups),
              std::string::npos);
}

// The user's folder is there, its log is gone. Only an installed copy with no
// backup to go back to offers a new empty log, and only when asked for.
TEST_F(StartupTest, AMissingDatabaseNamesItsNewestBackupOrOffersAFreshLog) {
    namespace fs = std::filesystem;
    testing_support::ProgramFolder installed;  // its green/parlow.plg is the template
    const std::string templateBytes = testing_support::ReadFile(installed.Database());
    struct Case {
        const char* name;
        bool installedCopy;
        bool backup;
        std::optional<zeviza::Answer> answer;  // a question, answered so
        bool freshLog;
    };
    const Case cases[] = {
        {"installed, no backup, No by default", true, false, zeviza::Answer::No, false},
        {"installed, no backup, Yes", true, false, zeviza::Answer::Yes, true},
        {"installed, a backup to put back", true, true, std::nullopt, false},
        {"run from its own folder", false, false, std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder.Path() / "green");
        fs::create_directories(zeviza::BackupFolder(folder.Path()));
        if (c.backup) {
            { std::ofstream(folder.Database(), std::ios::binary) << templateBytes; }
            ASSERT_EQ(zeviza::BackUpWhenChanged(folder.Path()).kind,
                      zeviza::BackupOutcome::Kind::Made);
            fs::remove(folder.Database());
        }
        prompts.Clear();
        if (c.answer == zeviza::Answer::Yes) {
            prompts.Answer(zeviza::Answer::Yes);
        }

        const bool goesOn = parlow::AnswerMissingDatabase(
            folder.Path(), c.installedCopy ? installed.Path() : fs::path());

        EXPECT_EQ(goesOn, c.freshLog);
        ASSERT_EQ(prompts.Shown().size(), 1u);
        const zeviza::Box& box = prompts.Last();
        EXPECT_EQ(box.title, " ERROR - DATABASE NOT FOUND");
        EXPECT_EQ(box.text.rfind(kNotFoundText + folder.Database().string() + ".\r\n\r\n", 0), 0u);
        EXPECT_EQ(box.buttons == zeviza::Buttons::YesNo, c.answer.has_value());
        if (c.answer) {
            EXPECT_EQ(box.defaultButton, zeviza::Answer::No);
            EXPECT_EQ(box.icon, zeviza::Icon::Question);
            EXPECT_NE(box.text.find("Make a new, empty log from the installed template?"),
                      std::string::npos);
        } else {
            EXPECT_EQ(box.icon, zeviza::Icon::Critical);
        }
        if (c.backup) {
            const auto newest = zeviza::NewestBackup(folder.Path());
            ASSERT_TRUE(newest.has_value());
            EXPECT_NE(box.text.find("The newest backup is " + newest->string() +
                                    ".\r\nTo put it back, copy it to " +
                                    folder.Database().string() + " and start the program again."),
                      std::string::npos);
        }
        EXPECT_EQ(fs::exists(folder.Database()), c.freshLog);
        if (c.freshLog) {
            EXPECT_EQ(testing_support::ReadFile(folder.Database()), templateBytes);
            EXPECT_EQ(fs::status(folder.Database()).permissions(),
                      fs::perms::owner_read | fs::perms::owner_write);
        }
    }
}

TEST_F(StartupTest, ADamagedDatabaseIsNamedWithItsNewestBackupAndLeftUntouched) {
    const std::pair<const char*, std::string> damages[] = {
        {"random bytes", std::string(8192, '\x5a')},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : damages) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(zeviza::BackupFolder(folder.Path()));
        std::filesystem::remove(folder.ErrorLog());
        prompts.Clear();
        shutDowns = 0;
        { std::ofstream(folder.Database(), std::ios::binary | std::ios::trunc) << bytes; }

        auto started = Start();

        EXPECT_TRUE(Refused(started));
        EXPECT_EQ(shutDowns, 1);
        ASSERT_EQ(prompts.Shown().size(), 1u);
        EXPECT_EQ(prompts.Last().title, " ERROR - DATABASE DAMAGED");
        EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
        EXPECT_EQ(prompts.Last().text, "The database " + folder.Database().string() +
                                           " is damaged and cannot be used.\r\n\r\n"
                                           "No backup of it has been made yet.");
        EXPECT_NE(folder.ReadErrorLog().find("Database Integrity Check\r\n---\r\n" +
                                             folder.Database().string()),
                  std::string::npos);
        EXPECT_EQ(testing_support::ReadFile(folder.Database()), bytes);
        EXPECT_FALSE(zeviza::NewestBackup(folder.Path()).has_value());
        EXPECT_FALSE(std::filesystem::exists(zeviza::CheckStampFile(folder.Path())));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        delete started.mainWindow;
        started.lock.reset();
    }
}

TEST_F(StartupTest, ASoundStartBacksUpAChangedDatabaseAndTheDamagedMessageNamesIt) {
    auto first = Start();
    ASSERT_TRUE(first.run);
    delete first.mainWindow;
    first.lock.reset();
    const auto backup = zeviza::NewestBackup(folder.Path());
    ASSERT_TRUE(backup.has_value());
    EXPECT_EQ(backup->parent_path(), folder.Path() / "green" / "backup");

    auto unchanged = Start();  // nothing written since: no second copy
    ASSERT_TRUE(unchanged.run);
    delete unchanged.mainWindow;
    unchanged.lock.reset();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(backup->parent_path()),
                            std::filesystem::directory_iterator()),
              1);

    std::filesystem::resize_file(folder.Database(), 1000);
    auto damaged = Start();
    EXPECT_TRUE(Refused(damaged));
    EXPECT_EQ(shutDowns, 1);
    ASSERT_FALSE(prompts.Shown().empty());
    EXPECT_NE(
        prompts.Last().text.find("The newest backup is " + backup->string() +
                                 ".\r\nTo put it back, copy it over " + folder.Database().string()),
        std::string::npos);
}

const std::string kAlreadyRunning = "Parlow's Log is already running on this computer! \r\n\r\n";

// A copy holding the lock without answering (one of an older build, or hung).
TEST_F(StartupTest, ASecondCopyIsRefusedWithTheWarningAndStartsNothing) {
    parlow::InstanceLock running(folder.Path() / ".parlow.lock");
    ASSERT_TRUE(running.Acquired());
    auto started = Start();
    EXPECT_FALSE(started.run);
    EXPECT_EQ(started.status, parlow::kStartRefused);
    EXPECT_EQ(started.mainWindow, nullptr);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().title, "Parlow's Log");
    EXPECT_EQ(prompts.Last().text, kAlreadyRunning + "It is already running with the log in " +
                                       folder.Path().string() +
                                       ", but its window could not be brought to the front.");
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Warning);
    EXPECT_EQ(parlow::CurrentPutt(), nullptr);
    EXPECT_EQ(shutDowns, 0);
}

TEST_F(StartupTest, ASecondCopyBringsTheRunningWindowToTheFront) {
    auto running = Start();
    ASSERT_TRUE(running.run);
    ASSERT_TRUE(running.listener && running.listener->Listening());
    running.mainWindow->showMinimized();
    Settle();
    ASSERT_TRUE(running.mainWindow->isMinimized());

    auto second = Start();

    EXPECT_FALSE(second.run);
    EXPECT_EQ(second.status, parlow::kStartRefused);
    EXPECT_EQ(second.mainWindow, nullptr);
    EXPECT_EQ(second.listener, nullptr);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().text,
              kAlreadyRunning +
                  "It is already running for this user; its window has been brought to the "
                  "front.");
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Warning);
    EXPECT_FALSE(running.mainWindow->isMinimized());
    EXPECT_TRUE(running.mainWindow->isVisible());
    EXPECT_TRUE(running.lock->Acquired());

    // Asked again while the window is not up yet, it says so.
    running.listener->SetWindow(nullptr);
    EXPECT_EQ(parlow::BringRunningCopyToFront(folder.Path()),
              parlow::RunningCopyAnswer::StillStarting);
    delete running.mainWindow;

    // Only this user can reach the socket, and it goes with the listener.
    const QString socket = parlow::RunningCopySocket(folder.Path());
    const std::filesystem::path path = socket.startsWith('/')
                                           ? socket.toStdString()
                                           : (QDir::tempPath() + '/' + socket).toStdString();
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    running.listener.reset();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(parlow::BringRunningCopyToFront(folder.Path()), parlow::RunningCopyAnswer::NoAnswer);
}

// The socket a copy that died left behind is taken over, and a caller that
// asks for anything but the window is sent away without an answer while
// the next proper request is still answered.
TEST_F(StartupTest, TheRunningCopysSocketTakesOverAStaleOneAndSendsStrangersAway) {
    const QString name = parlow::RunningCopySocket(folder.Path());
    const std::string path =
        (name.startsWith('/') ? name : QDir::tempPath() + '/' + name).toStdString();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ::unlink(path.c_str());
    ASSERT_EQ(::bind(stale, at, sizeof(address)), 0);
    ::close(stale);  // the file stays, nobody listens
    EXPECT_EQ(parlow::BringRunningCopyToFront(folder.Path()), parlow::RunningCopyAnswer::NoAnswer);

    parlow::RunningCopyListener listener(folder.Path());
    ASSERT_TRUE(listener.Listening());
    const int stranger = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(stranger, at, sizeof(address)), 0);
    ASSERT_EQ(::send(stranger, "back\n", 5, MSG_NOSIGNAL), 5);
    char reply[16];
    ssize_t got = -1;
    QElapsedTimer waited;
    waited.start();
    while (got < 0 && waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        got = ::recv(stranger, reply, sizeof(reply), MSG_DONTWAIT);
    }
    EXPECT_EQ(got, 0);  // closed with nothing said
    ::close(stranger);
    EXPECT_EQ(parlow::BringRunningCopyToFront(folder.Path()),
              parlow::RunningCopyAnswer::StillStarting);
}

TEST_F(StartupTest, ALockLeftByAKilledCopyDoesNotBlockTheNextStart) {
    const auto lockFile = folder.Path() / ".parlow.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        parlow::InstanceLock held(lockFile);
        const char byte = held.Acquired() ? 1 : 0;
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 1);
    EXPECT_FALSE(parlow::InstanceLock(lockFile).Acquired());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(parlow::InstanceLock(lockFile).Acquired());
    ::close(ready[0]);
    ::close(ready[1]);
}

// A start after a good check does not read every page again while the file
// is as it was then; any change to it (a write, a copy put in its place of the
// same size and time) brings the check back.
TEST_F(StartupTest, TheIntegrityCheckRunsOnlyWhenTheFileChangedSinceItLastPassed) {
    namespace fs = std::filesystem;
    const auto run = [this] { return parlow::RunStartupCheck(folder.Path()); };
    EXPECT_TRUE(run().checkRun);
    EXPECT_EQ(fs::status(zeviza::CheckStampFile(folder.Path())).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(run().checkRun);

    zeviza::Putt putt(folder.Path());
    zeviza::GolferRecord golfer;
    golfer.golferId = "D2";
    golfer.fullName = "Ann Lee";
    ASSERT_TRUE(putt.AddGolfer(golfer));
    EXPECT_TRUE(run().checkRun);
    EXPECT_FALSE(run().checkRun);

    // Damaged bytes under the same size and time, in a new file.
    const auto size = fs::file_size(folder.Database());
    const auto written = fs::last_write_time(folder.Database());
    const fs::path spoilt = folder.Path() / "spoilt.plg";
    { std::ofstream(spoilt, std::ios::binary) << std::string(size, '\x5a'); }
    fs::last_write_time(spoilt, written);
    fs::rename(spoilt, folder.Database());
    const auto result = run();
    EXPECT_TRUE(result.checkRun);
    EXPECT_TRUE(result.integrity.damaged);
}

// A program folder that cannot hold the lock file puts it in the user's
// runtime folder; with neither, the copy runs and says so.
TEST_F(StartupTest, TheLockGoesToTheRuntimeFolderWhenTheProgramFolderCannotHoldIt) {
    namespace fs = std::filesystem;
    fs::create_directory(folder.Path() / ".parlow.lock");  // no file can be opened there
    testing_support::ProgramFolder runtime;
    const char* given = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = given != nullptr ? given : "";
    ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    auto first = Start();
    ASSERT_TRUE(first.run);
    EXPECT_TRUE(first.lock->Kept());
    auto second = Start();
    EXPECT_FALSE(second.run);
    EXPECT_EQ(second.status, parlow::kStartRefused);
    ASSERT_FALSE(prompts.Shown().empty());
    EXPECT_EQ(prompts.Last().text.rfind(kAlreadyRunning + "It is already running for this user", 0),
              0u);
    delete first.mainWindow;
    first.lock.reset();

    ::unsetenv("XDG_RUNTIME_DIR");
    prompts.Clear();
    auto unlocked = Start();
    if (!before.empty()) {
        ::setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
    }
    ASSERT_TRUE(unlocked.run);
    EXPECT_FALSE(unlocked.lock->Kept());
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_TRUE(unlocked.mainWindow->statusBar()->currentMessage().startsWith(
        "No single-copy lock could be kept"));
    EXPECT_NE(folder.ReadErrorLog().find("Single Copy Lock\r\n---\r\nNo single-copy lock"),
              std::string::npos);
    delete unlocked.mainWindow;
}

TEST_F(StartupTest, TheErrorHandlerPassesOverMissingFilesAndReportsTheRest) {
    EXPECT_TRUE(
        parlow::HandleStartupFailure(std::make_exception_ptr(zeviza::Error(53, "File not found"))));
    EXPECT_TRUE(parlow::HandleStartupFailure(
        std::make_exception_ptr(zeviza::Error(75, "Path/File access error"))));
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(folder.ErrorLog()));

    EXPECT_FALSE(
        parlow::HandleStartupFailure(std::make_exception_ptr(zeviza::Error(13, "Type mismatch"))));
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().title, "Parlow's Log");
    EXPECT_EQ(prompts.Last().text,
              "ERROR #13\r\n\r\nType mismatch\r\nIn the: ModMain code module\r\n"
              "Procedure: SubMain Load Procedure");
    const std::string log = folder.ReadErrorLog();
    EXPECT_NE(log.find(" Error: 13\r\nSubMain Load Procedure\r\n---\r\nType mismatch\r\n"),
              std::string::npos);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Answers one key, as the desktop would.
struct OneKeyRegistry : parlow::Registry {
    std::optional<std::string> answer;
    parlow::RegistryRoot askedRoot{};
    std::optional<std::string> Query(parlow::RegistryRoot root, const std::string&,
                                     const std::string&) override {
        askedRoot = root;
        return answer;
    }
};

TEST_F(StartupTest, ReadRegistryStringTrimsAndAppendsOneBackslash) {
    auto registry = std::make_unique<OneKeyRegistry>();
    OneKeyRegistry* keys = registry.get();
    parlow::InstallRegistry(std::move(registry));
    auto read = [](bool append, bool localMachine = true) {
        return parlow::ReadRegistryString("Key", "Value", false, false, false, false, localMachine,
                                          false, false, append);
    };

    keys->answer = "  C:\\Tools  ";
    EXPECT_EQ(read(true), "C:\\Tools\\");
    EXPECT_EQ(keys->askedRoot, parlow::RegistryRoot::LocalMachine);
    keys->answer = "C:\\Tools\\";
    EXPECT_EQ(read(true), "C:\\Tools\\");
    EXPECT_EQ(read(false), "C:\\Tools\\");
    keys->answer = std::nullopt;
    EXPECT_EQ(read(true), "");
    keys->answer = std::string(254, 'x');
    EXPECT_EQ(read(false).size(), 254u);
    keys->answer = std::string(255, 'x');  // does not fit the value buffer
    EXPECT_EQ(read(false), "");
    keys->answer = "x";
    EXPECT_EQ(read(false, false), "");  // no root chosen

    EXPECT_EQ(parlow::ReadRegistryString("K", "V", true, true, true, true, true, true, true, false),
              "x");
    EXPECT_EQ(keys->askedRoot, parlow::RegistryRoot::ClassesRoot);
    parlow::InstallRegistry(nullptr);
}

TEST_F(StartupTest, PauseWithZeroSecondsEndsAtTheNextSecondBoundary) {
    const qint64 start = QDateTime::currentSecsSinceEpoch();
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(parlow::Pause(0));
    EXPECT_GT(QDateTime::currentSecsSinceEpoch(), start);
    EXPECT_LT(timer.elapsed(), 2000);  // one boundary, not two
}

TEST_F(StartupTest, SharedRoutinesTrimFieldsAndReleaseWhatTheyHold) {
    QWidget screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* name = new QLineEdit("  Ann Lee  ", &screen);
    auto* notes = new QTextEdit(&screen);
    notes->setPlainText("  Notes\nline  ");
    auto* combo = new QComboBox(&screen);
    combo->setEditable(true);
    combo->setEditText("  NC  ");
    layout->addWidget(name);
    layout->addWidget(notes);
    layout->addWidget(combo);
    parlow::TrimTextFields(&screen);
    EXPECT_EQ(name->text(), "Ann Lee");
    EXPECT_EQ(notes->toPlainText(), "Notes\nline");
    EXPECT_EQ(combo->currentText(), "  NC  ");  // a list is not a text field

    parlow::SharedRecordset() = parlow::NewPutt().LoadStates();
    ASSERT_NE(parlow::SharedRecordset(), nullptr);
    parlow::CloseSharedRecordset();
    EXPECT_EQ(parlow::SharedRecordset(), nullptr);
    parlow::CloseSharedRecordset();  // nothing held: nothing happens

    { std::ofstream(folder.ErrorLog()) << "old"; }
    parlow::DeleteErrorLog();
    EXPECT_FALSE(std::filesystem::exists(folder.ErrorLog()));
    parlow::DeleteErrorLog();
}

}  // namespace

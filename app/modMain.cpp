#include "app/modMain.h"

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>
#include <filesystem>
#include <system_error>

#include "app/DatabaseProblems.h"
#include "app/DatabaseUpgrade.h"
#include "app/RunningCopy.h"
#include "app/StartupCheck.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "ui/Platform.h"
#include "ui/ProgramFiles.h"
#include "ui/ProgramState.h"
#include "ui/QtPrompts.h"
#include "ui/modGlobal.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/Error.h"
#include "zeviza/ErrorLog.h"

namespace parlow {

namespace {

constexpr long kFileNotFound = 53;
constexpr long kPathFileAccessError = 75;
constexpr long kInternalError = 51;
const char* const kStartupLabel = "SubMain Load Procedure";

std::filesystem::path& HelpFileSetting() {
    static std::filesystem::path path;
    return path;
}

struct StartupFailure {
    long number;
    std::string description;
};

StartupFailure Describe(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const zeviza::Error& e) {
        return {e.Number(), e.Description()};
    } catch (const std::filesystem::filesystem_error& e) {
        const bool missing = e.code() == std::errc::no_such_file_or_directory;
        return {missing ? kFileNotFound : kPathFileAccessError, e.what()};
    } catch (const std::exception& e) {
        return {kInternalError, e.what()};
    } catch (...) {
        return {kInternalError, "Internal error"};
    }
}

void SetDefaultPointer() {
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void SetBusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

}  // namespace

bool HandleStartupFailure(std::exception_ptr failure) {
    const StartupFailure f = Describe(failure);
    if (f.number == kFileNotFound || f.number == kPathFileAccessError) {
        SetDefaultPointer();
        return true;
    }
    SetBusyPointer();
    zeviza::AppendErrorLog(ProgramFolder(), zeviza::LogEntryKind::Program, f.number, f.description,
                           kStartupLabel);
    SetDefaultPointer();
    const std::string failedStep = kStartupLabel;
    ShowMessage("ERROR #" + std::to_string(f.number) + "\r\n\r\n" + f.description +
                    "\r\nIn the: ModMain code module\r\nProcedure: " + failedStep,
                zeviza::Icon::Critical);
    return false;
}

namespace {

// Runs one start-up step; false when start-up must stop here.
template <class Step>
bool Attempt(Step&& step) {
    try {
        step();
        return true;
    } catch (...) {
        return HandleStartupFailure(std::current_exception());
    }
}

// Without its folder an installed copy has nowhere to keep the log.
bool ProgramFolderReady() {
    const std::string failure = PrepareProgramFolder();
    if (failure.empty()) {
        return true;
    }
    SetDefaultPointer();
    ShowMessage("The folder for your log could not be made.\r\n\r\n" + failure,
                zeviza::Icon::Critical);
    return false;
}

const char* const kBackupLabel = "Automatic Backup";

const char* const kLockLabel = "Single Copy Lock";

void EndStartup(const StartupOptions& options) {
    if (options.shutDown) {
        options.shutDown();
    } else {
        ShutDown(kStartRefused);
    }
}

// A line for the main window's status bar, shown once the window is up.
void ShowNotice(QMainWindow* main, const std::string& text) {
    if (main != nullptr && !text.empty()) {
        main->statusBar()->showMessage(QString::fromStdString(text));
    }
}

// Tries the program folder, then the user's runtime folder. A copy that can
// keep no lock at all still runs, and says so.
std::unique_ptr<InstanceLock> TakeInstanceLock(std::string& notice) {
    auto lock = std::make_unique<InstanceLock>(FolderLockFile(ProgramFolder()));
    if (lock->Kept() || !lock->Acquired()) {
        return lock;
    }
    if (const auto runtime = RuntimeLockFile(ProgramFolder()); !runtime.empty()) {
        lock = std::make_unique<InstanceLock>(runtime);
        if (lock->Kept() || !lock->Acquired()) {
            return lock;
        }
    }
    notice = "No single-copy lock could be kept (the folder " + ProgramFolder().string() +
             " cannot be written and there is no runtime folder): a second copy would not be "
             "stopped.";
    zeviza::AppendErrorLog(ProgramFolder(), zeviza::LogEntryKind::Program, 1, notice, kLockLabel);
    return lock;
}

// On the GUI thread once the check and backup are done. A damaged file ends
// the program as it always did: the box, and the file left as it was found.
void FinishStartupCheck(const StartupOptions& options, QPointer<QMainWindow> main,
                        const StartupCheckResult& result) {
    if (result.integrity.damaged) {
        if (main) {
            main->hide();
        }
        SetDefaultPointer();
        ReportDamagedDatabase(ProgramFolder(), result.integrity);
        EndStartup(options);
        return;
    }
    const zeviza::BackupOutcome& backup = result.backup;
    if (backup.kind == zeviza::BackupOutcome::Kind::Failed ||
        backup.kind == zeviza::BackupOutcome::Kind::SkippedForSpace) {
        zeviza::AppendErrorLog(ProgramFolder(), zeviza::LogEntryKind::Program, backup.number,
                               backup.description, kBackupLabel);
    }
    if (backup.kind == zeviza::BackupOutcome::Kind::SkippedForSpace) {
        ShowNotice(main,
                   "No backup was made today: the disk is nearly full. Make room, and the "
                   "next start makes one.");
    }
    if (!StartupMayUseDatabase(result.migration, main.data())) {
        EndStartup(options);
    }
}

// The lock has kept this copy out; the message says whether the copy that
// runs came to the front.
void RefuseSecondCopy() {
    const RunningCopyAnswer answer = BringRunningCopyToFront(ProgramFolder());
    SetDefaultPointer();
    std::string text = std::string(kAppTitle) + " is already running on this computer! \r\n\r\n";
    switch (answer) {
        case RunningCopyAnswer::BroughtToFront:
            text +=
                "It is already running for this user; its window has been brought to the front.";
            break;
        case RunningCopyAnswer::StillStarting:
            text +=
                "It is already running for this user and still starting; its window will "
                "appear shortly.";
            break;
        case RunningCopyAnswer::NoAnswer:
            text += "It is already running with the log in " + ProgramFolder().string() +
                    ", but its window could not be brought to the front.";
            break;
    }
    ShowMessage(text, zeviza::Icon::Warning);
}

}  // namespace

std::filesystem::path HelpFilePath() {
    return HelpFileSetting();
}

bool DatabaseFileExists() {
    SetBusyPointer();
    bool exists = false;
    std::error_code ec;
    const auto folder = ProgramFolder();
    if (std::filesystem::current_path(ec) != folder) {
        std::filesystem::current_path(folder, ec);
    }
    exists = std::filesystem::is_regular_file(folder / "green" / "parlow.plg", ec);
    QApplication::restoreOverrideCursor();
    return exists;
}

StartupResult Main(const StartupOptions& options) {
    StartupResult result;
    result.status = kStartRefused;
    SetBusyPointer();
    if (!ProgramFolderReady()) {
        return result;
    }
    HelpFileSetting() = ProgramFolder() / "help" / "plg.hlp";
    if (auto* clipboard = QApplication::clipboard()) {
        clipboard->clear();
    }

    std::string lockNotice;
    result.lock = TakeInstanceLock(lockNotice);
    if (!result.lock->Acquired()) {
        result.lock.reset();
        RefuseSecondCopy();
        return result;
    }
    // Listens from here, so a second copy started during the splash is told
    // this one is still starting.
    if (result.lock->Kept()) {
        result.listener = std::make_unique<RunningCopyListener>(ProgramFolder());
    }
    // Registering the data library is a Windows matter; nothing to do here.

    bool databaseFound = false;
    if (!Attempt([&] { databaseFound = DatabaseFileExists(); })) {
        return result;
    }
    if (!databaseFound) {
        SetDefaultPointer();
        if (!AnswerMissingDatabase(ProgramFolder(), InstalledTemplateFolder())) {
            EndStartup(options);
            return result;
        }
    }

    frmMain* main = nullptr;
    if (!Attempt([&] { main = new frmMain(); })) {
        return result;
    }
    result.mainWindow = main;
    if (result.listener) {
        result.listener->SetWindow(main);
    }
    if (options.showSplash && !Attempt([] { RunSplash(); })) {
        return result;
    }
    SetBusyPointer();
    SetDefaultPointer();
    if (!Attempt([&] { main->show(); })) {
        return result;
    }
    ShowNotice(main, lockNotice);
    // The integrity check and the backup wait until the window is up; screen
    // commands wait for them (see StartupCheck.h).
    QPointer<QMainWindow> shown(main);
    StartStartupCheck(ProgramFolder(), [options, shown](const StartupCheckResult& checked) {
        FinishStartupCheck(options, shown, checked);
    });
    result.run = true;
    result.status = 0;
    return result;
}

}  // namespace parlow

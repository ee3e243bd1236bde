#include "app/StartupCheck.h"

#include <QApplication>
#include <QMetaObject>
#include <future>
#include <memory>

#include "ui/BusyCursor.h"
#include "ui/ShutDownHooks.h"

namespace parlow {

namespace {

struct Pending {
    std::future<StartupCheckResult> work;
    StartupCheckDone done;
    bool handled = true;
};

Pending& Current() {
    static Pending pending;
    return pending;
}

// Runs `done` once, whoever gets there first: the queued call or a wait.
void Finish() {
    Pending& pending = Current();
    if (pending.handled || !pending.work.valid()) {
        return;
    }
    pending.handled = true;
    const StartupCheckResult result = pending.work.get();
    StartupCheckDone done = std::move(pending.done);
    if (done) {
        done(result);
    }
}

}  // namespace

StartupCheckResult RunStartupCheck(const std::filesystem::path& programFolder) {
    StartupCheckResult result;
    try {
        const auto database = zeviza::DatabaseFile(programFolder);
        if (!zeviza::PassedCheckAsItIs(programFolder)) {
            result.checkRun = true;
            const auto before = zeviza::StampOf(database);
            result.integrity = zeviza::CheckDatabaseFile(database);
            if (result.integrity.damaged) {
                return result;
            }
            // Only a check that read the file as it still is may be noted.
            if (before && result.integrity.number == 0 && zeviza::StampOf(database) == before) {
                zeviza::RecordPassedCheck(programFolder, *before);
            }
        }
        result.backup = zeviza::BackUpWhenChanged(programFolder);
    } catch (const std::exception& e) {
        result.backup.kind = zeviza::BackupOutcome::Kind::Failed;
        result.backup.description = e.what();
    }
    return result;
}

void StartStartupCheck(const std::filesystem::path& programFolder, StartupCheckDone done) {
    static bool hooked = false;
    if (!hooked) {
        hooked = true;
        // The copy in progress is finished, not cut off, when the program ends.
        OnShutDown([] {
            if (Current().work.valid()) {
                Current().work.wait();
            }
        });
    }
    WaitForStartupCheck();
    Pending& pending = Current();
    pending.done = std::move(done);
    pending.handled = false;
    pending.work = std::async(std::launch::async, [programFolder] {
        StartupCheckResult result = RunStartupCheck(programFolder);
        QMetaObject::invokeMethod(
            qApp, [] { Finish(); }, Qt::QueuedConnection);
        return result;
    });
}

void WaitForStartupCheck() {
    Pending& pending = Current();
    if (pending.handled || !pending.work.valid()) {
        return;
    }
    {
        BusyCursor busy;
        pending.work.wait();
    }
    Finish();
}

}  // namespace parlow

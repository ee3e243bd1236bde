#include "games/RefigureCommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>

#include "games/rules/GameFigures.h"
#include "ui/Platform.h"
#include "ui/ProgramFiles.h"
#include "ui/ProgramState.h"
#include "ui/Terminal.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/Putt.h"

namespace parlow::games {

int RefigureNineHoleGames(const std::filesystem::path& programFolder, std::string& report) {
    const std::filesystem::path database = zeviza::DatabaseFile(programFolder);
    std::error_code missing;
    if (!std::filesystem::exists(database, missing)) {
        report = "no database at " + database.string();
        return kRefigureFailed;
    }
    if (const zeviza::IntegrityReport check = zeviza::CheckDatabaseFile(database); check.damaged) {
        report = "the database " + database.string() + " is damaged: " + check.description;
        return kRefigureFailed;
    }
    // The newest backup is a copy of the file as it stands, made now unless
    // nothing was written since the last one.
    const zeviza::BackupOutcome backup = zeviza::BackUpWhenChanged(programFolder);
    const std::optional<std::filesystem::path> newest = zeviza::NewestBackup(programFolder);
    const bool backedUp = backup.kind == zeviza::BackupOutcome::Kind::Made ||
                          backup.kind == zeviza::BackupOutcome::Kind::Unchanged;
    if (!backedUp || !newest) {
        report = "no backup could be made, nothing changed: " + backup.description;
        return kRefigureFailed;
    }
    long long changed = 0;
    bool done = false;
    try {
        zeviza::Putt putt(programFolder);
        done = putt.RefigureNineHoleGames(RefigureNineHoleGame, changed);
    } catch (const std::exception&) {
        // The connection could not be opened; the library has said why.
    }
    if (!done) {
        report = "the figures could not be worked out again, nothing changed (backup " +
                 newest->string() + ")";
        return kRefigureFailed;
    }
    report = "nine-hole games refigured: " + std::to_string(changed) +
             "; every golfer's statistics summed again over the stored games (backup " +
             newest->string() + ")";
    return kRefigured;
}

int RunRefigureCommandLine(int argc, char** argv) {
    // The program folder is found from the executable, as the program finds it.
    QCoreApplication application(argc, argv);
    std::string report;
    int status = kRefigureFailed;
    if (const std::string failure = parlow::PrepareProgramFolder(); !failure.empty()) {
        report = failure;
    } else {
        parlow::InstanceLock lock(parlow::FolderLockFile(parlow::ProgramFolder()));
        if (!lock.Acquired()) {
            report = "The Parlow's Log is running; close it first";
        } else {
            status = RefigureNineHoleGames(parlow::ProgramFolder(), report);
        }
    }
    std::fprintf(status == kRefigured ? stdout : stderr, "%s%s\n", parlow::kMessagePrefix,
                 report.c_str());
    return status;
}

}  // namespace parlow::games

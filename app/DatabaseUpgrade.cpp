#include "app/DatabaseUpgrade.h"

#include <QApplication>
#include <QMainWindow>
#include <string>

#include "ui/ProgramState.h"
#include "ui/QtPrompts.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/SchemaVersion.h"

namespace parlow {

namespace {

const char* const kUpgradeLabel = "Database Upgrade";
constexpr long kPathFileAccessError = 75;

std::string Layouts(int found) {
    return "(its layout is version " + std::to_string(found) + ", this program's is version " +
           std::to_string(zeviza::kSchemaVersion) + ")";
}

void Refuse(QMainWindow* main, const std::string& text, long number, const std::string& logged,
            const std::string& title) {
    zeviza::AppendErrorLog(ProgramFolder(), zeviza::LogEntryKind::Program, number, logged,
                           kUpgradeLabel);
    if (main != nullptr) {
        main->hide();
    }
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
    ShowMessage(text, zeviza::Icon::Critical, title);
}

}  // namespace

bool StartupMayUseDatabase(const zeviza::MigrationOutcome& outcome, QMainWindow* main) {
    const auto database = zeviza::DatabaseFile(ProgramFolder()).string();
    switch (outcome.kind) {
        case zeviza::MigrationOutcome::Kind::Current:
        case zeviza::MigrationOutcome::Kind::Migrated:
            return true;
        case zeviza::MigrationOutcome::Kind::Newer:
            // An older program writing to a newer layout could break rules it
            // does not know; the log waits for the newer version.
            Refuse(main,
                   "The database " + database +
                       " was made by a newer version of The Parlow's Log " + Layouts(outcome.from) +
                       ".\r\n\r\nIt was left as it is. Install the newer version again to go "
                       "on with this log.",
                   kPathFileAccessError,
                   database + ": made by a newer version " + Layouts(outcome.from),
                   " ERROR - DATABASE TOO NEW");
            return false;
        case zeviza::MigrationOutcome::Kind::Failed:
            Refuse(main,
                   "The database " + database +
                       " could not be brought up to date and was left as it was " +
                       Layouts(outcome.from) + ".\r\n\r\n" + outcome.description,
                   outcome.number, database + ": " + outcome.description,
                   " ERROR - DATABASE NOT UPGRADED");
            return false;
    }
    return false;
}

}  // namespace parlow

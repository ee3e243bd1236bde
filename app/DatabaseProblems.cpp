#include "app/DatabaseProblems.h"

#include <optional>
#include <string>
#include <system_error>

#include "ui/QtPrompts.h"
#include "ui/UserFolder.h"
#include "zeviza/ErrorLog.h"

namespace parlow {

namespace fs = std::filesystem;

namespace {

const char* const kIntegrityLabel = "Database Integrity Check";
const char* const kNotFoundLabel = "Database File Check";
const char* const kNotFoundTitle = " ERROR - DATABASE NOT FOUND";
constexpr long kFileNotFound = 53;

// How to put the newest backup where the database belongs, by `placing`;
// `none` when the program has made no backup.
std::string RestoreAdvice(const std::optional<fs::path>& backup, const std::string& placing,
                          const std::string& none) {
    if (!backup) {
        return none;
    }
    return "The newest backup is " + backup->string() + ".\r\nTo put it back, copy it " + placing +
           " and start the program again.";
}

// The user's folder is there but the log in it is gone, no backup can bring
// it back, and the installed template can start a new one.
bool FreshLogOffered(const fs::path& programFolder, const fs::path& templateFolder,
                     bool backupFound) {
    std::error_code ec;
    return !backupFound && !templateFolder.empty() && fs::is_directory(programFolder, ec) &&
           fs::is_regular_file(zeviza::DatabaseFile(templateFolder), ec);
}

}  // namespace

void ReportDamagedDatabase(const fs::path& programFolder, const zeviza::IntegrityReport& report) {
    const fs::path database = zeviza::DatabaseFile(programFolder);
    zeviza::AppendErrorLog(programFolder, zeviza::LogEntryKind::Program, report.number,
                           database.string() + ": " + report.description, kIntegrityLabel);
    const std::string advice =
        RestoreAdvice(zeviza::NewestBackup(programFolder),
                      "over " + database.string() +
                          " (move the damaged file elsewhere first if you want to keep it)",
                      "No backup of it has been made yet.");
    ShowMessage(
        "The database " + database.string() + " is damaged and cannot be used.\r\n\r\n" + advice,
        zeviza::Icon::Critical, " ERROR - DATABASE DAMAGED");
}

bool AnswerMissingDatabase(const fs::path& programFolder, const fs::path& templateFolder) {
    const fs::path database = zeviza::DatabaseFile(programFolder);
    const auto backup = zeviza::NewestBackup(programFolder);
    const std::string backups = zeviza::BackupFolder(programFolder).string();
    zeviza::AppendErrorLog(
        programFolder, zeviza::LogEntryKind::Program, kFileNotFound,
        "Database Not Found: " + database.string() + "; " +
            (backup ? "newest backup " + backup->string() : "no backup in " + backups),
        kNotFoundLabel);
    const std::string text =
        "Database Not Found.\r\n\r\nThe database must reside in the folder where it was "
        "originally installed.\r\n\r\nThe program looked for it at " +
        database.string() + ".\r\n\r\n" +
        RestoreAdvice(backup, "to " + database.string(),
                      "No backup of it was found in " + backups + ".");
    if (!FreshLogOffered(programFolder, templateFolder, backup.has_value())) {
        ShowMessage(text, zeviza::Icon::Critical, kNotFoundTitle);
        return false;
    }
    if (!AskYesNo(text + "\r\n\r\nMake a new, empty log from the installed template? It starts "
                         "with no golfers, courses or games.",
                  kNotFoundTitle, zeviza::Answer::No)) {
        return false;
    }
    const std::string failure = MakeFreshDatabase(templateFolder, programFolder);
    if (failure.empty()) {
        return true;
    }
    ShowMessage("The new log could not be made.\r\n\r\n" + failure, zeviza::Icon::Critical,
                kNotFoundTitle);
    return false;
}

}  // namespace parlow

#include "ui/ProgramState.h"

#include <QCoreApplication>
#include <memory>
#include <system_error>

#include "ui/UserFolder.h"
#include "zeviza/ErrorLog.h"

namespace parlow {

namespace {
std::filesystem::path& FolderSetting() {
    static std::filesystem::path folder;
    return folder;
}
std::unique_ptr<zeviza::Putt>& PuttSlot() {
    static std::unique_ptr<zeviza::Putt> putt;
    return putt;
}
std::filesystem::path ExecutableFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

// The help, texts and pictures are the program's, so an upgrade brings its
// own; a refresh that fails leaves the old ones and is tried at the next start.
void KeepUserCopiesCurrent(const std::filesystem::path& installed,
                           const std::filesystem::path& folder, bool firstStart) {
    const std::string failure = firstStart ? NoteCopiedVersion(folder, ProgramVersion())
                                           : RefreshUserCopies(installed, folder, ProgramVersion());
    if (!failure.empty()) {
        constexpr long kPathFileAccessError = 75;
        zeviza::AppendErrorLog(folder, zeviza::LogEntryKind::Program, kPathFileAccessError, failure,
                               "Refresh Program Files");
    }
}
}  // namespace

std::filesystem::path ProgramFolder() {
    if (!FolderSetting().empty()) {
        return FolderSetting();
    }
    return ProgramFolderFor(ExecutableFolder());
}

std::filesystem::path InstalledTemplateFolder() {
    return IsInstalledCopy(ExecutableFolder()) ? InstalledDataFolder(ExecutableFolder())
                                               : std::filesystem::path();
}

std::string PrepareProgramFolder() {
    if (!FolderSetting().empty() || !IsInstalledCopy(ExecutableFolder())) {
        return {};
    }
    const auto folder = UserProgramFolder();
    const auto installed = InstalledDataFolder(ExecutableFolder());
    std::error_code ec;
    const bool firstStart = !std::filesystem::exists(folder, ec);
    std::string failure = MakeUserFolder(installed, folder);
    if (failure.empty()) {
        SetProgramFolder(folder);
        KeepUserCopiesCurrent(installed, folder, firstStart);
        // A folder made by an older copy, or under another umask, is closed
        // to other accounts again at every start.
        if (const std::string open = MakeOwnerOnly(folder); !open.empty()) {
            zeviza::AppendErrorLog(folder, zeviza::LogEntryKind::Program, 1,
                                   "The folder could not be made private: " + open,
                                   "User Folder Permissions");
        }
    }
    return failure;
}

void SetProgramFolder(const std::filesystem::path& folder) {
    FolderSetting() = folder;
    // The library finds its folder from itself; the folder set here must win
    // there too, for every Putt made without one.
    zeviza::Putt::OverrideLibraryFolder(folder);
}

zeviza::Putt& NewPutt() {
    PuttSlot().reset();
    PuttSlot() = std::make_unique<zeviza::Putt>(ProgramFolder());
    return *PuttSlot();
}

zeviza::Putt* CurrentPutt() {
    return PuttSlot().get();
}

void ReleasePutt() {
    PuttSlot().reset();
}

zeviza::RecordSetPtr& SharedRecordset() {
    static zeviza::RecordSetPtr recordset;
    return recordset;
}

}  // namespace parlow

#include "ui/ProgramState.h"

#include <QCoreApplication>
#include <memory>

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
}  // namespace

std::filesystem::path ProgramFolder() {
    if (!FolderSetting().empty()) {
        return FolderSetting();
    }
    return ProgramFolderFor(ExecutableFolder());
}

std::filesystem::path InstalledTemplateFolder() {
    return IsInstalledCopy(ExecutableFolder()) ? ExecutableFolder() : std::filesystem::path();
}

std::string PrepareProgramFolder() {
    if (!FolderSetting().empty() || !IsInstalledCopy(ExecutableFolder())) {
        return {};
    }
    const auto folder = UserProgramFolder();
    std::string failure = MakeUserFolder(ExecutableFolder(), folder);
    if (failure.empty()) {
        SetProgramFolder(folder);
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

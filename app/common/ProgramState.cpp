#include "ProgramState.h"

#include <QCoreApplication>
#include <memory>

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
}  // namespace

std::filesystem::path ProgramFolder() {
    if (!FolderSetting().empty()) {
        return FolderSetting();
    }
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

void SetProgramFolder(const std::filesystem::path& folder) {
    FolderSetting() = folder;
    // The library finds its folder from itself; a test's folder must win there too.
    zeviza::Putt::OverrideLibraryFolder(folder);
}

zeviza::Putt& NewPutt() {
    PuttSlot().reset();
    PuttSlot() = std::make_unique<zeviza::Putt>();
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

#include "ui/ProgramFiles.h"

#include <sys/stat.h>

#include <cstdlib>

#include "zeviza/DatabaseFile.h"
#include "zeviza/ErrorLog.h"

namespace parlow {

namespace fs = std::filesystem;

fs::path FolderLockFile(const fs::path& programFolder) {
    return programFolder / ".parlow.lock";
}

std::string ProgramFolderIdentity(const fs::path& programFolder) {
    struct stat folder {};
    if (::stat(programFolder.c_str(), &folder) != 0) {
        return {};
    }
    return std::to_string(folder.st_dev) + "-" + std::to_string(folder.st_ino);
}

fs::path RuntimeLockFile(const fs::path& programFolder) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string identity = ProgramFolderIdentity(programFolder);
    if (runtime == nullptr || *runtime != '/' || identity.empty()) {
        return {};
    }
    return fs::path(runtime) / ("parlow-" + identity + ".lock");
}

std::vector<fs::path> ProgramOwnFiles(const fs::path& programFolder) {
    const fs::path database = zeviza::DatabaseFile(programFolder);
    std::vector<fs::path> files = {
        database, fs::path(database.string() + "-journal"), zeviza::ErrorLogPath(programFolder),
        FolderLockFile(programFolder), zeviza::CheckStampFile(programFolder)};
    if (fs::path runtime = RuntimeLockFile(programFolder); !runtime.empty()) {
        files.push_back(std::move(runtime));
    }
    return files;
}

}  // namespace parlow

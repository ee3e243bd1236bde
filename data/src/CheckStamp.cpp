#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "src/OwnerOnly.h"
#include "zeviza/DatabaseFile.h"

namespace zeviza {

namespace fs = std::filesystem;

namespace {

std::string Text(const FileStamp& stamp) {
    return std::to_string(stamp.size) + " " + std::to_string(stamp.modifiedNs) + " " +
           std::to_string(stamp.device) + " " + std::to_string(stamp.inode) + "\n";
}

}  // namespace

fs::path CheckStampFile(const fs::path& programFolder) {
    return programFolder / "green" / ".parlow-checked";
}

std::optional<FileStamp> StampOf(const fs::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileStamp{
        static_cast<std::uintmax_t>(info.st_size),
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
        static_cast<std::uintmax_t>(info.st_dev), static_cast<std::uintmax_t>(info.st_ino)};
}

bool PassedCheckAsItIs(const fs::path& programFolder) {
    const auto now = StampOf(DatabaseFile(programFolder));
    std::ifstream in(CheckStampFile(programFolder));
    std::stringstream noted;
    noted << in.rdbuf();
    return now && in && noted.str() == Text(*now);
}

void RecordPassedCheck(const fs::path& programFolder, const FileStamp& stamp) {
    const fs::path file = CheckStampFile(programFolder);
    const fs::path partial = file.string() + ".new";
    std::error_code ec;
    fs::remove(partial, ec);
    detail::TouchOwnerOnly(partial, ec);
    if (ec) {
        return;
    }
    {
        std::ofstream out(partial, std::ios::trunc);
        out << Text(stamp);
        if (!out.flush()) {
            fs::remove(partial, ec);
            return;
        }
    }
    fs::rename(partial, file, ec);
    if (ec) {
        fs::remove(partial, ec);
    }
}

}  // namespace zeviza

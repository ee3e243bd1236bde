#include "ui/Platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QProcess>
#include <QStringList>
#include <cstdlib>

namespace parlow {

namespace {

std::unique_ptr<Registry>& RegistrySlot() {
    static std::unique_ptr<Registry> registry = std::make_unique<DesktopRegistry>();
    return registry;
}

const char* const kSystemInfoTools[] = {"hardinfo", "kinfocenter", "gnome-system-monitor",
                                        "lshw-gtk"};

}  // namespace

std::optional<std::string> FindOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr || program.empty()) {
        return std::nullopt;
    }
    std::string folders = path;
    std::size_t start = 0;
    while (start <= folders.size()) {
        const auto end = folders.find(':', start);
        const std::string folder =
            folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!folder.empty()) {
            const auto candidate = std::filesystem::path(folder) / program;
            if (::access(candidate.c_str(), X_OK) == 0 &&
                !std::filesystem::is_directory(candidate)) {
                return candidate.string();
            }
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<std::string> DesktopRegistry::Query(RegistryRoot root, const std::string& keyPath,
                                                  const std::string& valueName) {
    if (root == RegistryRoot::ClassesRoot && keyPath == "htmlfile\\shell\\open\\command" &&
        valueName.empty()) {
        if (const char* browser = std::getenv("BROWSER"); browser != nullptr && *browser) {
            return std::string(browser);
        }
        return FindOnPath("xdg-open");
    }
    if (root == RegistryRoot::LocalMachine &&
        keyPath == "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO" && valueName == "PATH") {
        for (const char* tool : kSystemInfoTools) {
            if (auto found = FindOnPath(tool)) {
                return found;
            }
        }
    }
    return std::nullopt;
}

Registry& CurrentRegistry() {
    return *RegistrySlot();
}

void InstallRegistry(std::unique_ptr<Registry> registry) {
    RegistrySlot() = registry ? std::move(registry) : std::make_unique<DesktopRegistry>();
}

bool StartDetached(const std::string& commandLine) {
    QStringList parts = QProcess::splitCommand(QString::fromStdString(commandLine));
    if (parts.isEmpty()) {
        return false;
    }
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

InstanceLock::InstanceLock(const std::filesystem::path& lockFile) {
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        // A folder we cannot write in cannot hold a lock; the caller looks
        // elsewhere or lets the copy run and says so.
        acquired_ = true;
        return;
    }
    acquired_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace parlow

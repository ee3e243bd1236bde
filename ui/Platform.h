#pragma once
// What stands in for the desktop facilities the program was first written
// against: registry keys answered from this desktop, detached processes, and
// the lock that keeps a second copy from running.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace parlow {

enum class RegistryRoot {
    ClassesRoot,
    CurrentConfig,
    CurrentUser,
    DynData,
    LocalMachine,
    PerformanceData,
    Users,
};

// Answers the keys the program reads; every other key is absent.
class Registry {
  public:
    virtual ~Registry() = default;
    virtual std::optional<std::string> Query(RegistryRoot root, const std::string& keyPath,
                                             const std::string& valueName) = 0;
};

// The web-page command is $BROWSER or xdg-open; the system information tool
// is the first known tool on PATH.
class DesktopRegistry : public Registry {
  public:
    std::optional<std::string> Query(RegistryRoot root, const std::string& keyPath,
                                     const std::string& valueName) override;
};

Registry& CurrentRegistry();
// Tests put their own answers in place; nullptr restores the desktop's.
void InstallRegistry(std::unique_ptr<Registry> registry);

// Splits a command line on blanks (double quotes group) and starts it
// without waiting. False when nothing could be started.
bool StartDetached(const std::string& commandLine);

std::optional<std::string> FindOnPath(const std::string& program);

// Held for the life of the running program. A lock left by a process that
// died is released by the system, so it never blocks the next start.
class InstanceLock {
  public:
    explicit InstanceLock(const std::filesystem::path& lockFile);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    // False when another running copy holds the lock.
    bool Acquired() const { return acquired_; }
    // False when the lock file could not be opened at all (a folder that
    // cannot be written): nothing then keeps a second copy out.
    bool Kept() const { return fd_ >= 0 && acquired_; }

  private:
    int fd_ = -1;
    bool acquired_ = false;
};

}  // namespace parlow

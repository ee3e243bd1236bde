#include "src/OwnerOnly.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeviza::detail {

void TouchOwnerOnly(const std::filesystem::path& file, std::error_code& ec) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        ec.assign(errno, std::generic_category());
        return;
    }
    if (::fchmod(fd, 0600) != 0) {
        ec.assign(errno, std::generic_category());
    }
    ::close(fd);
}

void MakeOwnerOnlyFolder(const std::filesystem::path& folder, std::error_code& ec) {
    std::filesystem::create_directories(folder, ec);
    if (!ec) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, ec);
    }
}

}  // namespace zeviza::detail

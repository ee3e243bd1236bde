#pragma once
// The log holds golfers' addresses and phone numbers: whatever the library
// makes beside it is for the file's owner alone, whatever the umask says.
#include <filesystem>
#include <system_error>

namespace zeviza::detail {

// Makes the file if it is missing, mode 0600 either way.
void TouchOwnerOnly(const std::filesystem::path& file, std::error_code& ec);

// Makes the folder and any missing parents; the folder itself gets 0700.
void MakeOwnerOnlyFolder(const std::filesystem::path& folder, std::error_code& ec);

}  // namespace zeviza::detail

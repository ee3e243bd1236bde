#pragma once
// Puts one of the program's shipped files into a test's program folder.
#include <filesystem>

namespace help_tests {

inline std::filesystem::path ShippedAsset(const char* relative) {
    return std::filesystem::path(PARLOW_SOURCE_DIR) / "assets" / relative;
}

inline void InstallAsset(const std::filesystem::path& programFolder, const char* relative) {
    const std::filesystem::path target = programFolder / relative;
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(ShippedAsset(relative), target,
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace help_tests

#pragma once
// The maker's web site: opened from the menus, printed in the report footers.
namespace parlow {

inline constexpr const char* kMakerSite = "https://www.parlowslog.com";

}  // namespace parlow

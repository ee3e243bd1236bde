#pragma once
// Pages opened in the desktop's web browser.
#include <string>

#include "ui/MakerSite.h"

namespace parlow {

inline constexpr const char* kProductPage =
    "https://www.parlowslog.com/pages/parlow/the-parlows-log.htm";
inline constexpr const char* kRulesInBrief =
    "https://www.parlowslog.com/_download/rules/RulesInBrief.pdf";

inline constexpr const char* kRandASite = "https://www.randa.org";
inline constexpr const char* kUsgaSite = "https://www.usga.org";
inline constexpr const char* kPgaSite = "https://www.pga.com";
inline constexpr const char* kLpgaSite = "https://www.lpga.com";
inline constexpr const char* kPgaTourSite = "https://www.pgatour.com";
inline constexpr const char* kChampionsTourSite = "https://www.pgatour.com/pgatour-champions";
inline constexpr const char* kNationwideTourSite = "https://www.pgatour.com/korn-ferry-tour";

// Starts the browser on the address without waiting for it. When no browser
// is known or it cannot start, nothing happens and nothing is shown.
void OpenWebPage(const std::string& address);

}  // namespace parlow

#pragma once
// The user's own conventions, read the way the desktop's programs read them:
// LC_ALL first, then the category's own variable, then LANG.
#include <string>

#include <unicode/locid.h>

namespace zeviza::detail {

// The locale name set for one category ("LC_COLLATE", "LC_NUMERIC"); empty
// when none is set.
std::string UserLocaleName(const char* category);
// The ICU locale for one category ("LC_COLLATE", "LC_NUMERIC"); the root
// locale when none is set or it is "C" or "POSIX" (whose ICU form would sort
// and read numbers byte by byte).
icu::Locale UserLocale(const char* category);
// The same for a locale name given outright, such as "de_DE.UTF-8".
icu::Locale LocaleNamed(const std::string& name);

}  // namespace zeviza::detail

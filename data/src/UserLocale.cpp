#include "src/UserLocale.h"

#include <cstdlib>

namespace zeviza::detail {

icu::Locale LocaleNamed(const std::string& name) {
    // "de_DE.UTF-8@euro": the codeset and modifier mean nothing to ICU here.
    const std::string language = name.substr(0, name.find_first_of(".@"));
    if (language.empty() || language == "C" || language == "POSIX") {
        return icu::Locale::getRoot();
    }
    icu::Locale locale(language.c_str());
    return locale.isBogus() ? icu::Locale::getRoot() : locale;
}

std::string UserLocaleName(const char* category) {
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

icu::Locale UserLocale(const char* category) {
    return LocaleNamed(UserLocaleName(category));
}

}  // namespace zeviza::detail

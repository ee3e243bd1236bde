#include "UserLocale.h"

#include <cstdlib>

namespace zeviza::detail {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

icu::Locale LocaleNamed(const std::string& name) {
    // "de_DE.UTF-8@euro": the codeset and modifier mean nothing to ICU here.
    const std::string language = name.substr(0, name.find_first_of(".@"));
    if (language.empty() || language == "C" || language == "POSIX") {
        return icu::Locale::getRoot();
    }
    icu::Locale locale(language.c_str());
    return locale.isBogus() ? icu::Locale::getRoot() : locale;
}

icu::Locale UserLocale(const char* category) {
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const std::string name = Variable(variable);
        if (!name.empty()) {
            return LocaleNamed(name);
        }
    }
    return icu::Locale::getRoot();
}

}  // namespace zeviza::detail

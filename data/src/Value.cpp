#include "zeviza/Value.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zeviza {

namespace {

// Numbers in the database and in the texts built here always use the point.
// The program's process takes the user's locale (Qt sets it at start), where
// plain strtod would read "70.4" as 70 under a comma locale.
double ReadPointDecimal(const char* text) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c != static_cast<locale_t>(nullptr) ? strtod_l(text, nullptr, c)
                                               : std::strtod(text, nullptr);
}

}  // namespace

double SingleToDouble(float value) {
    if (!std::isfinite(value)) {
        return static_cast<double>(value);
    }
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) {
        return static_cast<double>(value);
    }
    *end = '\0';
    return ReadPointDecimal(buffer);
}

Value::Value(float v) : v_(SingleToDouble(v)) {}

std::int64_t Value::ToInt() const {
    if (auto* i = std::get_if<std::int64_t>(&v_)) {
        return *i;
    }
    if (auto* d = std::get_if<double>(&v_)) {
        return static_cast<std::int64_t>(std::nearbyint(*d));
    }
    if (auto* s = std::get_if<std::string>(&v_)) {
        return std::strtoll(s->c_str(), nullptr, 10);
    }
    return 0;
}

double Value::ToDouble() const {
    if (auto* i = std::get_if<std::int64_t>(&v_)) {
        return static_cast<double>(*i);
    }
    if (auto* d = std::get_if<double>(&v_)) {
        return *d;
    }
    if (auto* s = std::get_if<std::string>(&v_)) {
        return ReadPointDecimal(s->c_str());
    }
    return 0.0;
}

std::string Value::ToText() const {
    if (auto* i = std::get_if<std::int64_t>(&v_)) {
        return std::to_string(*i);
    }
    if (auto* d = std::get_if<double>(&v_)) {
        // Shortest text that reads back as the same number: 70.4, 4.72, 5.
        char buffer[64];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, *d);
        return ec == std::errc() ? std::string(buffer, end) : std::to_string(*d);
    }
    if (auto* s = std::get_if<std::string>(&v_)) {
        return *s;
    }
    return {};
}

}  // namespace zeviza

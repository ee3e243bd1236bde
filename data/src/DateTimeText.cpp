#include "src/DateTimeText.h"

#include <chrono>

namespace zeviza::detail {

namespace {

constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd";

int Number(std::string_view text, std::size_t at, std::size_t digits) {
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

bool IsDateTimeText(std::string_view text) {
    if (text.size() != kPattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) {
            return false;
        }
    }
    const std::chrono::year_month_day date{std::chrono::year(Number(text, 0, 4)),
                                           std::chrono::month(Number(text, 5, 2)),
                                           std::chrono::day(Number(text, 8, 2))};
    return Number(text, 0, 4) >= 1 && date.ok() && Number(text, 11, 2) < 24 &&
           Number(text, 14, 2) < 60 && Number(text, 17, 2) < 60;
}

}  // namespace zeviza::detail

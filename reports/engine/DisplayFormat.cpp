#include "reports/engine/DisplayFormat.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <charconv>
#include <cmath>
#include <string>

namespace parlow::reports {

namespace {

struct NumberPattern {
    bool valid = false;
    int decimals = 0;
    bool grouped = false;
};

NumberPattern ReadNumberPattern(const QString& format) {
    static const QRegularExpression pattern(R"(^(#,##)?0(\.(0+))?$)");
    const QRegularExpressionMatch match = pattern.match(format);
    if (!match.hasMatch()) {
        return {};
    }
    return {true, static_cast<int>(match.capturedLength(3)), match.hasCaptured(1)};
}

// The shortest fixed-point text that reads back as the same double.
std::string ShortestFixed(double value) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

// Adds one to the last digit of a digit string, carrying leftwards.
void AddOneToLastDigit(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string GroupThousands(const std::string& whole) {
    std::string grouped;
    const std::size_t size = whole.size();
    for (std::size_t i = 0; i < size; ++i) {
        if (i > 0 && (size - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += whole[i];
    }
    return grouped;
}

// At most 15 significant digits, the way a stored double is shown in full.
std::string FullNumber(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return value == 0.0 ? "0" : std::to_string(value);
    }
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::to_string(value);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

// A stored date-time names a day and a time of day, never an instant: it is
// read as a date (and a time that must be one) without the local-time
// conversion a date-time would go through, which costs more than the rest
// of a long history's drawing.
QDate StoredDate(const zeviza::Value& value) {
    if (!value.IsText()) {
        return {};
    }
    const QString text = QString::fromStdString(value.ToText()).trimmed();
    constexpr int kDateLength = 10;  // yyyy-MM-dd
    const QDate date = QDate::fromString(text.left(kDateLength), u"yyyy-MM-dd");
    if (!date.isValid() || text.size() == kDateLength) {
        return date;
    }
    const QChar between = text.at(kDateLength);
    const bool timeFollows = (between == u' ' || between == u'T') &&
                             QTime::fromString(text.mid(kDateLength + 1), u"HH:mm:ss").isValid();
    return timeFollows ? date : QDate();
}

bool IsDateFormat(const QString& format) {
    return format == kLongDate || format == kShortDate || format == kNumericDate;
}

}  // namespace

std::string RoundedDecimal(double value, int decimals, bool grouped) {
    if (!std::isfinite(value)) {
        return FullNumber(value);
    }
    const std::string text = ShortestFixed(std::fabs(value));
    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);

    const auto kept = static_cast<std::size_t>(decimals);
    if (fraction.size() > kept) {
        const bool roundUp = fraction[kept] >= '5';
        fraction.resize(kept);
        if (roundUp) {
            std::string digits = whole + fraction;
            AddOneToLastDigit(digits);
            whole = digits.substr(0, digits.size() - kept);
            fraction = digits.substr(digits.size() - kept);
        }
    }
    fraction.resize(kept, '0');

    const bool zero = (whole + fraction).find_first_not_of('0') == std::string::npos;
    std::string result = (value < 0 && !zero) ? "-" : "";
    result += grouped ? GroupThousands(whole) : whole;
    if (kept > 0) {
        result += '.' + fraction;
    }
    return result;
}

QString FormatDate(const QDate& date, const QString& format, const QLocale& locale) {
    if (format == kLongDate) {
        return locale.toString(date, QLocale::LongFormat);
    }
    if (format == kShortDate) {
        return locale.toString(date, QLocale::ShortFormat);
    }
    return date.toString(format);
}

QString FormatValue(const zeviza::Value& value, const QString& format, const QLocale& locale) {
    if (value.IsNull()) {
        return {};
    }
    if (IsDateFormat(format)) {
        const QDate date = StoredDate(value);
        return date.isValid() ? FormatDate(date, format, locale)
                              : QString::fromStdString(value.ToText());
    }
    if (value.IsText()) {
        return QString::fromStdString(value.ToText());
    }
    const NumberPattern pattern = ReadNumberPattern(format);
    if (pattern.valid) {
        return QString::fromStdString(
            RoundedDecimal(value.ToDouble(), pattern.decimals, pattern.grouped));
    }
    return QString::fromStdString(value.IsInteger() ? value.ToText()
                                                    : FullNumber(value.ToDouble()));
}

}  // namespace parlow::reports

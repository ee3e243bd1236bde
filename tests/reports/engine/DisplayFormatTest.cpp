// How bound values read on paper, format by format.
#include <gtest/gtest.h>

#include "reports/engine/DisplayFormat.h"

namespace {

using parlow::reports::FormatDate;
using parlow::reports::FormatValue;
using zeviza::Value;

struct FormatCase {
    Value value;
    const char* format;
    const char* printed;
};

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);

TEST(DisplayFormat, PrintsEveryFormatTheLayoutsUse) {
    const FormatCase cases[] = {
        // Halves round away from zero, on the value's shortest decimal text.
        {12.5, "0", "13"},
        {-12.5, "0", "-13"},
        {0.5, "0", "1"},
        {-0.4, "0", "0"},
        {12.6, "0", "13"},
        {113, "0", "113"},
        {2.345, "0.00", "2.35"},
        {2.344, "0.00", "2.34"},
        {1.005, "0.00", "1.01"},
        {9.995, "0.00", "10.00"},
        {1.8333333333333333, "0.00", "1.83"},
        {72, "0.0", "72.0"},
        {72.0, "0.0", "72.0"},
        {70.45, "0.0", "70.5"},
        {1234, "0", "1234"},
        {1234, "#,##0", "1,234"},
        {999.5, "#,##0", "1,000"},
        {1234567.5, "#,##0", "1,234,568"},
        {-1234, "#,##0", "-1,234"},
        {0, "#,##0", "0"},
        // No format: the stored value in full, at most 15 significant digits.
        {1.8333333333333333, "", "1.83333333333333"},
        {12.6, "", "12.6"},
        {0.1 + 0.2, "", "0.3"},
        {5, "", "5"},
        {1e20, "", "1E+20"},
        // Texts print as stored, whatever the format; null prints nothing.
        {"Cedar Ridge", "", "Cedar Ridge"},
        {"12.5", "0", "12.5"},
        {"n/a", "0.00", "n/a"},
        {nullptr, "0", ""},
        // Dates are stored as text and printed in the form named.
        {"2024-05-03 00:00:00", "M/d/yyyy", "5/3/2024"},
        {"2024-12-25 00:00:00", "M/d/yyyy", "12/25/2024"},
        {"2024-05-03", "M/d/yyyy", "5/3/2024"},
        {"2024-05-03 00:00:00", "dddddd", "Friday, May 3, 2024"},
        {"not a date", "M/d/yyyy", "not a date"},
        // A date with its time of day, or alone; any other text prints as stored.
        {"2024-05-03T14:30:00", "M/d/yyyy", "5/3/2024"},
        {" 2024-05-03 23:59:59 ", "M/d/yyyy", "5/3/2024"},
        {"2024-03-10 02:30:00", "M/d/yyyy", "3/10/2024"},
        {"2024-05-03 25:00:00", "M/d/yyyy", "2024-05-03 25:00:00"},
        {"2024-02-30 00:00:00", "M/d/yyyy", "2024-02-30 00:00:00"},
        {"2024-05-03 00:00", "M/d/yyyy", "2024-05-03 00:00"},
        {"2024-05-03x00:00:00", "M/d/yyyy", "2024-05-03x00:00:00"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatValue(c.value, c.format, kUnitedStates), QString::fromUtf8(c.printed))
            << "value " << c.value.ToText() << " format \"" << c.format << '"';
    }
}

TEST(DisplayFormat, NamedDateFormsFollowTheLocale) {
    const QDate date(2024, 5, 3);
    EXPECT_EQ(FormatDate(date, "Short Date", kUnitedStates),
              kUnitedStates.toString(date, QLocale::ShortFormat));
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatValue(Value("2024-05-03 00:00:00"), "dddddd", german),
              german.toString(date, QLocale::LongFormat));
    // Numbers keep the point and the comma in every language.
    EXPECT_EQ(FormatValue(Value(1234.5), "#,##0", german), "1,235");
    EXPECT_EQ(FormatValue(Value(2.345), "0.00", german), "2.35");
}

}  // namespace

#pragma once
// How a bound value reads on paper. The number formats round halves away
// from zero on the value's shortest decimal text (2.345 → "2.35"), as a
// reader rounding by hand would; a stored text prints unchanged; no format
// prints the value in full, to at most 15 significant digits. Numbers use
// the point and the comma whatever the desktop's language, like the entry
// screens do; the named date forms follow the desktop's locale.
#include <QDate>
#include <QLocale>
#include <QString>

#include "zeviza/Value.h"

namespace parlow::reports {

// The date forms a layout may name besides the number patterns "0", "0.0",
// "0.00", "#,##0" (any count of decimals, with or without grouping).
inline constexpr const char* kLongDate = "dddddd";
inline constexpr const char* kShortDate = "Short Date";
inline constexpr const char* kNumericDate = "M/d/yyyy";

QString FormatValue(const zeviza::Value& value, const QString& format,
                    const QLocale& locale = QLocale());
QString FormatDate(const QDate& date, const QString& format, const QLocale& locale = QLocale());

// The value's digits rounded to `decimals` places, halves away from zero.
std::string RoundedDecimal(double value, int decimals, bool grouped);

}  // namespace parlow::reports

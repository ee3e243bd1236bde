#pragma once
// Today's date on the user's clock, in the form the window-free rules take
// dates (a round played after it is refused, a file name carries it).
#include <QDate>
#include <chrono>

namespace parlow {

inline std::chrono::year_month_day LocalToday() {
    const QDate today = QDate::currentDate();
    return std::chrono::year(today.year()) / static_cast<unsigned>(today.month()) /
           static_cast<unsigned>(today.day());
}

}  // namespace parlow

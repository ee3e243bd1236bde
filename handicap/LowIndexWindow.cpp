#include "handicap/LowIndexWindow.h"

#include <algorithm>

namespace handicap {

void LowIndexWindow::Add(std::int64_t day, std::int64_t index10) {
    points_.push_back({day, index10});
    while (!lows_.empty() && points_[lows_.back()].index10 >= index10) {
        lows_.pop_back();
    }
    lows_.push_back(points_.size() - 1);
}

std::optional<std::int64_t> LowIndexWindow::LowestBefore(std::int64_t day) {
    const std::int64_t opens = day - kDays;
    while (first_ < points_.size() && points_[first_].day < opens) {
        ++first_;
    }
    while (!lows_.empty() && lows_.front() < first_) {
        lows_.pop_front();
    }
    std::optional<std::int64_t> lowest;
    if (!lows_.empty()) {
        lowest = points_[lows_.front()].index10;
    }
    if (first_ > 0) {
        const std::int64_t inForce = points_[first_ - 1].index10;
        lowest = lowest ? std::min(*lowest, inForce) : inForce;
    }
    return lowest;
}

}  // namespace handicap

#pragma once
// The lowest index in force during the 365 days before a round. Rounds come
// in play order, so the window only moves forward and the lowest value is
// kept by a monotonic queue instead of scanning a year of history per round.
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace handicap {

class LowIndexWindow {
  public:
    static constexpr std::int64_t kDays = 365;

    void Add(std::int64_t day, std::int64_t index10);
    // Counts the indexes produced from `day` - 365 on, and the one already in
    // force when that window opened.
    std::optional<std::int64_t> LowestBefore(std::int64_t day);

  private:
    struct Point {
        std::int64_t day;
        std::int64_t index10;
    };
    std::vector<Point> points_;
    std::size_t first_ = 0;         // first point inside the window
    std::deque<std::size_t> lows_;  // points inside the window, values rising
};

}  // namespace handicap

#pragma once
// Course Handicap and the strokes it gives on each hole.
#include <cstdint>
#include <span>
#include <vector>

namespace handicap {

// HI x Slope / 113 + (Rating - par), to the nearest whole stroke.
int CourseHandicap18(std::int64_t index10, std::int64_t rating10, int slope, int coursePar);
// HI/2 x Slope / 113 + (Rating/2 - par of the nine): the log keeps only the
// 18-hole rating, so a nine is rated at half of it.
int CourseHandicap9(std::int64_t index10, std::int64_t rating10, int slope, int ninePar);

// The order in which the given holes receive strokes: element i is hole i's
// place, 1 for the hardest. Holes are ranked by their stroke allocation and
// ties by their position, so old records whose allocations are all zero
// simply take the holes in playing order.
std::vector<int> AllocationOrder(std::span<const int> allocations);

// Strokes received on each hole for a Course Handicap over the holes of
// `order` (18, or the 9 of one nine). A plus handicap gives strokes back,
// starting with the easiest hole.
std::vector<int> StrokesReceived(int courseHandicap, std::span<const int> order);

}  // namespace handicap

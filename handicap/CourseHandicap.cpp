#include "handicap/CourseHandicap.h"

#include <algorithm>
#include <numeric>

#include "handicap/Decimal.h"

namespace handicap {

int CourseHandicap18(std::int64_t index10, std::int64_t rating10, int slope, int coursePar) {
    // In tenths: (index10 x slope / 113 + rating10 - 10 par) / 10.
    const std::int64_t num = index10 * slope + (rating10 - 10LL * coursePar) * 113;
    return static_cast<int>(RoundHalfUp(num, 1130));
}

int CourseHandicap9(std::int64_t index10, std::int64_t rating10, int slope, int ninePar) {
    const std::int64_t num = index10 * slope + (rating10 - 20LL * ninePar) * 113;
    return static_cast<int>(RoundHalfUp(num, 2260));
}

std::vector<int> AllocationOrder(std::span<const int> allocations) {
    std::vector<int> holes(allocations.size());
    std::iota(holes.begin(), holes.end(), 0);
    std::stable_sort(holes.begin(), holes.end(),
                     [&](int a, int b) { return allocations[a] < allocations[b]; });
    std::vector<int> order(allocations.size());
    for (std::size_t place = 0; place < holes.size(); ++place) {
        order[holes[place]] = static_cast<int>(place) + 1;
    }
    return order;
}

std::vector<int> StrokesReceived(int courseHandicap, std::span<const int> order) {
    const int holes = static_cast<int>(order.size());
    std::vector<int> strokes(order.size(), 0);
    if (holes == 0) {
        return strokes;
    }
    const int given = courseHandicap < 0 ? -courseHandicap : courseHandicap;
    const int each = given / holes;
    const int extra = given % holes;
    for (std::size_t i = 0; i < order.size(); ++i) {
        // Strokes go to the hardest holes; strokes given back to the easiest.
        const bool getsExtra = courseHandicap >= 0 ? order[i] <= extra : order[i] > holes - extra;
        const int received = each + (getsExtra ? 1 : 0);
        strokes[i] = courseHandicap >= 0 ? received : -received;
    }
    return strokes;
}

}  // namespace handicap

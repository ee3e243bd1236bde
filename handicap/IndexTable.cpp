#include "handicap/IndexTable.h"

#include <algorithm>
#include <numeric>

#include "handicap/Decimal.h"

namespace handicap {

TableRow IndexTableRow(int count) {
    if (count <= 3)
        return {1, -20};
    if (count == 4)
        return {1, -10};
    if (count == 5)
        return {1, 0};
    if (count == 6)
        return {2, -10};
    if (count <= 8)
        return {2, 0};
    if (count <= 11)
        return {3, 0};
    if (count <= 14)
        return {4, 0};
    if (count <= 16)
        return {5, 0};
    if (count <= 18)
        return {6, 0};
    if (count == 19)
        return {7, 0};
    return {8, 0};
}

std::optional<IndexResult> IndexFromDifferentials(std::span<const std::int64_t> recent10) {
    const int count = static_cast<int>(recent10.size());
    if (count < kDifferentialsForIndex) {
        return std::nullopt;
    }
    const TableRow row = IndexTableRow(count);
    std::vector<std::size_t> order(recent10.size());
    std::iota(order.begin(), order.end(), 0);
    // Of equal differentials the older one is marked as counting.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return recent10[a] < recent10[b]; });
    order.resize(row.lowest);
    std::int64_t sum = 0;
    for (std::size_t position : order) {
        sum += recent10[position];
    }
    // average + adjustment = (sum + adjustment x n) / n, rounded once.
    const std::int64_t index10 =
        std::min(RoundHalfUp(sum + row.adjustment10 * row.lowest, row.lowest), kMaximumIndex10);
    std::sort(order.begin(), order.end());
    return IndexResult{index10, std::move(order)};
}

CappedIndex ApplyCaps(std::int64_t index10, std::int64_t low10) {
    const std::int64_t soft = low10 + 30;
    const std::int64_t hard = low10 + 50;
    if (index10 <= soft) {
        return {index10, Cap::None};
    }
    const std::int64_t halved = soft + RoundHalfUp(index10 - soft, 2);
    if (halved > hard) {
        return {hard, Cap::Hard};
    }
    return {halved, Cap::Soft};
}

}  // namespace handicap

#pragma once
// Places in an order: each of `count` items ranked by `less`, items that
// compare equal sharing a rank, so that sorting rows by rank keeps equal
// rows in the order they stood.
#include <algorithm>
#include <cstddef>
#include <numeric>
#include <vector>

namespace parlow {

template <typename Less>
std::vector<int> RanksBy(std::size_t count, Less less) {
    std::vector<int> inOrder(count);
    std::iota(inOrder.begin(), inOrder.end(), 0);
    std::sort(inOrder.begin(), inOrder.end(), less);
    std::vector<int> ranks(count);
    int rank = 0;
    for (std::size_t at = 0; at < inOrder.size(); ++at) {
        if (at > 0 && less(inOrder[at - 1], inOrder[at])) {
            ++rank;
        }
        ranks[inOrder[at]] = rank;
    }
    return ranks;
}

}  // namespace parlow

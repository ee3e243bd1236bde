#pragma once
// From differentials to an index: the 3-to-20 table and the caps.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace handicap {

constexpr int kRecentDifferentials = 20;
constexpr int kDifferentialsForIndex = 3;
constexpr std::int64_t kMaximumIndex10 = 540;

struct TableRow {
    int lowest;                 // how many of the lowest differentials are averaged
    std::int64_t adjustment10;  // added to the average, in tenths
};
// The row for a record of `count` differentials (3 to 20; more reads as 20).
TableRow IndexTableRow(int count);

struct IndexResult {
    std::int64_t index10;
    std::vector<std::size_t> counting;  // positions in the input that were averaged
};
// The index from the most recent differentials (at most 20, oldest first,
// exceptional-score reductions already taken off); none below 3.
std::optional<IndexResult> IndexFromDifferentials(std::span<const std::int64_t> recent10);

enum class Cap { None, Soft, Hard };
struct CappedIndex {
    std::int64_t index10;
    Cap cap;
};
// More than 3.0 above the low index: the part above 3.0 is halved; never
// more than 5.0 above it.
CappedIndex ApplyCaps(std::int64_t index10, std::int64_t low10);

}  // namespace handicap

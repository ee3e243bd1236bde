#pragma once
// The stored records the benchmarks measure against, made once per size in
// a temporary program folder with bare SQLite: golfers, courses with every
// par and handicap, and games spread over the golfers and courses in turn.
#include <memory>
#include <string>
#include <vector>

#include "tests/support/ProgramFolder.h"

namespace bench_support {

struct Records {
    int golfers = 2;
    int courses = 500;
    int games = 10000;
};

// The sizes every long-list figure is measured at.
inline const std::vector<int> kGameCounts = {1000, 10000, 100000};

// Golfers "D2", "D4", ... ("Ann O'Hara" first, then "Walter Hagen", then
// numbered ones), courses "C1".. named "Course <n>" in a scrambled order,
// games "G1".. of 18 holes played on 18 May of a year from 2010 to 2024.
void StoreRecords(const testing_support::ProgramFolder& folder, const Records& records);

// A folder holding `records`, made at its first use and kept for the run.
const testing_support::ProgramFolder& FolderWith(const Records& records);

}  // namespace bench_support

#pragma once
// One stored game as the handicap rules read it.
#include <array>
#include <cstdint>
#include <string>

namespace handicap {

struct Round {
    std::string gameId;
    std::string playDate;  // "YYYY-MM-DD HH:MM:SS" as stored
    std::string clubId;
    std::string club;
    std::string tees;
    int holes = 18;  // the game's stored length
    int scoreOut = 0;
    int scoreIn = 0;
    std::array<int, 18> scores{};
    std::array<int, 18> pars{};
    std::array<int, 18> allocations{};  // HCap1..HCap18
    // The course record's USGA rating in tenths and its slope; slope 0 when
    // the course record is gone or was never rated.
    std::int64_t rating10 = 0;
    int slope = 0;
};

}  // namespace handicap

#pragma once
// A small log stored through Putt for the report tests: Ann Lee with two
// 18-hole and two 9-hole games at two courses, Bob Ray with one 9-hole game
// only, and a third golfer and course without any game.
#include <gtest/gtest.h>

#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

namespace report_sample {

using namespace writes_support;

inline const Course kPine{"C1", "Pine Valley", StandardPars()};
inline const Course kAugusta{"C2", "Augusta National", StandardPars()};
inline const Course kEmpty{"C3", "Quiet Links", ShortPars()};

// Game, golfer, course, holes, strokes over par on hole 1, detail seed.
struct SampleGame {
    const char* id;
    const char* golferID;
    const char* golfer;
    const Course* course;
    int holes;
    int over;
    int seed;
};

inline const SampleGame kGames[] = {
    {"G1", "D1", "Ann Lee", &kPine, 18, 2, 0},     // gross 74, net 64
    {"G2", "D1", "Ann Lee", &kAugusta, 18, 5, 1},  // gross 77, net 67
    {"G3", "D1", "Ann Lee", &kPine, 9, 1, 2},      // gross 37, net 27
    {"G4", "D1", "Ann Lee", &kAugusta, 9, 3, 3},   // gross 39, net 29
    {"G5", "D2", "Bob Ray", &kPine, 9, 0, 1},      // gross 36, net 26
};

inline void StoreSample(zeviza::Putt& putt) {
    ASSERT_TRUE(AddGolfer(putt, "D1", "Ann", "Lee"));
    ASSERT_TRUE(AddGolfer(putt, "D2", "Bob", "Ray"));
    ASSERT_TRUE(AddGolfer(putt, "D3", "Cy", "Young"));
    for (const Course* course : {&kPine, &kAugusta, &kEmpty}) {
        ASSERT_TRUE(AddCourse(putt, *course));
    }
    for (const SampleGame& g : kGames) {
        Game game = MakeGame(g.id, g.golferID, g.golfer, *g.course,
                             ParScores(*g.course, g.holes, g.over), g.seed);
        ASSERT_TRUE(game.Add(putt)) << g.id;
    }
}

}  // namespace report_sample

#include "handicap/HandicapText.h"

#include "handicap/CourseHandicap.h"
#include "handicap/Decimal.h"

namespace handicap {

std::string IndexText(std::int64_t index10) {
    return index10 < 0 ? "+" + TenthsText(-index10) : TenthsText(index10);
}

std::string CourseHandicapText(int courseHandicap) {
    return courseHandicap < 0 ? "+" + std::to_string(-courseHandicap)
                              : std::to_string(courseHandicap);
}

std::string RoundsNeededText(int rounds) {
    return "needs " + std::to_string(rounds) + (rounds == 1 ? " more round" : " more rounds");
}

std::string IndexOrNeeded(const ScoringRecord& record) {
    if (const auto index = record.Index10()) {
        return IndexText(*index);
    }
    return RoundsNeededText(record.RoundsNeeded());
}

std::string LowIndexOrNone(const ScoringRecord& record) {
    if (const auto low = record.LowIndex10()) {
        return IndexText(*low);
    }
    return "none until 20 differentials";
}

std::string CapText(Cap cap) {
    switch (cap) {
        case Cap::Soft:
            return "soft cap applied";
        case Cap::Hard:
            return "hard cap applied";
        case Cap::None:
            break;
    }
    return "no cap applied";
}

std::string CourseHandicapOrNeeded(const ScoringRecord& record, const CourseRecord& course) {
    const auto index = record.Index10();
    if (!index) {
        return RoundsNeededText(record.RoundsNeeded());
    }
    if (course.slope <= 0) {
        return "no slope and rating";
    }
    return CourseHandicapText(
        CourseHandicap18(*index, course.rating10, course.slope, course.coursePar));
}

}  // namespace handicap

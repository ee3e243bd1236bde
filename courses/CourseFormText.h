#pragma once
// The captions, limits and tooltips of the course form, which differ a
// little between the entry and the edit screen.
#include <QString>
#include <array>

#include "courses/rules/CourseEntry.h"

namespace parlow::courses {

inline constexpr int kTextBoxCount = 9;  // txtBox(0..8)
inline constexpr int kNumBoxCount = 23;  // numBox(0..22)
inline constexpr int kCapBoxCount = 18;  // capBox(0..17)
inline constexpr int kStatBoxCount = 5;  // statBox(0..4)
inline constexpr int kTeeCount = 6;      // teeBox(0..5)
inline constexpr int kInfoLabelCount = 10;
inline constexpr int kHoleLabelCount = 20;
inline constexpr int kStatsLabelCount = 8;

// lblInfo numbers the text fields and State/Prov together, State/Prov fourth.
inline constexpr int kStateLabel = 3;
constexpr int InfoLabelOf(int txtBox) {
    return txtBox < kStateLabel ? txtBox : txtBox + 1;
}
// The hole label over a handicap field (0 = hole 1); Out sits between the nines.
constexpr int HoleLabelOfCap(int capBox) {
    return ParBox(capBox);
}
// lblStats(5..7) caption the slope, rating and course-par numBoxes.
constexpr int StatsLabelOfNumBox(int numBox) {
    return numBox - kSlopeBox + kStatBoxCount;
}

struct TextBoxLook {
    const char* caption;
    int limit;
    const char* column;  // of a LoadClubEdit row
};
extern const std::array<TextBoxLook, kTextBoxCount> kTextBoxes;

inline constexpr const char* kStateCaption = "*State/Prov";
inline constexpr const char* kStateColumn = "State";
inline constexpr int kNumberLimit = 2;  // a par, total or handicap index

// Columns of a LoadClubEdit row, by field index.
extern const std::array<const char*, kNumBoxCount> kNumBoxColumns;
extern const std::array<const char*, kStatBoxCount> kStatBoxColumns;
extern const std::array<const char*, kTeeCount> kTeeCaptions;
const char* CapBoxColumn(int capBox);  // "HCap1".."HCap18"

// What the two screens show differently.
QString HeadingOf(CourseScreen screen);
QString HoleLabelText(int label);
QString StatsCaption(CourseScreen screen, int label);
QString TeesCaption(CourseScreen screen);
int NumBoxLimit(int numBox);
int StatBoxLimit(CourseScreen screen, int statBox);
QString NumBoxTooltip(CourseScreen screen, int numBox);
QString CapBoxTooltip(CourseScreen screen);
QString StatsFieldTooltip(CourseScreen screen, int label);
QString StatsCaptionTooltip(CourseScreen screen, int label);
QString TeeTooltip(CourseScreen screen, int tee);
QString TeesCaptionTooltip(CourseScreen screen);

}  // namespace parlow::courses

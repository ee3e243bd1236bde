#include "courses/CourseFormText.h"

namespace parlow::courses {
namespace {

const char* const kTeesTooltip =
    " Select Tees you will be playing on this course. If you play from other tees then add "
    "another Course record for those tees. ";
const char* const kEditTeesTooltip = " Select Tees you will be playing on this course ";
const char* const kSlopeTooltip =
    " Enter USGA Slope value for tees being played (between 55 - 155). This can be obtained "
    "from the Club Pro. ";
const char* const kRatingTooltip =
    " Enter USGA Rating value for tees being played (example 70.4). This information can be "
    "obtained from the Club Pro. ";
const char* const kEditRatingTooltip =
    " Enter USGA Rating value for tees being played (example 70.6). This information can be "
    "obtained from the Club Pro. ";
const char* const kFairwaysCaptionTooltip = " Number of fairways on this course ";

enum StatsLabel { kPar3s, kPar4s, kPar5s, kFairways, kLength, kSlope, kRating, kCoursePar };

const std::array<const char*, kStatsLabelCount> kStatsCaptions = {
    "Par 3s", "Par 4s", "Par 5s", "F-Ways", "Length", "USGA Slope  ", "USGA Rating", "Course Par"};

// The entry screen's field tooltips, by lblStats index.
const std::array<const char*, kStatsLabelCount> kStatsTooltips = {
    " Number of Par 3 holes on this course ",
    " Number of Par 4 holes on this course ",
    " Number of Par 5 holes on this course ",
    " Number of fairways on this course (usually 14) ",
    " Length in yards/meters ",
    kSlopeTooltip,
    kRatingTooltip,
    " Enter Course Par for tees selected ",
};

// Gold, Yellow, Blue and Red explain the tees; Black and White say nothing.
constexpr std::array<bool, kTeeCount> kEntryTeeHasTooltip = {true, false, true, false, true, true};

}  // namespace

const std::array<TextBoxLook, kTextBoxCount> kTextBoxes = {{
    {"*Club Name", kClubTextLimits[0], "ClubName"},
    {"*Address", kClubTextLimits[1], "Address"},
    {"*City", kClubTextLimits[2], "City"},
    {"Postal Code", kClubTextLimits[3], "Zip"},
    {"Club Phone", kClubTextLimits[4], "ClubPhone"},
    {"Pro Shop Phone", kClubTextLimits[5], "ProShopPhone"},
    {"Club Pro", kClubTextLimits[6], "ClubPro"},
    {"Club Ass't Pro", kClubTextLimits[7], "ClubAsstPro"},
    {"Club Manager", kClubTextLimits[8], "ClubMgr"},
}};

const std::array<const char*, kNumBoxCount> kNumBoxColumns = {
    "Par1",  "Par2",   "Par3",  "Par4",  "Par5",  "Par6",   "Par7",     "Par8",
    "Par9",  "ParOut", "Par10", "Par11", "Par12", "Par13",  "Par14",    "Par15",
    "Par16", "Par17",  "Par18", "ParIn", "Slope", "Rating", "CoursePar"};

const std::array<const char*, kStatBoxCount> kStatBoxColumns = {"Par3s", "Par4s", "Par5s", "FWays",
                                                                "Yards"};

const std::array<const char*, kTeeCount> kTeeCaptions = kTeeNames;

const char* CapBoxColumn(int capBox) {
    static const std::array<const char*, kCapBoxCount> columns = {
        "HCap1",  "HCap2",  "HCap3",  "HCap4",  "HCap5",  "HCap6",  "HCap7",  "HCap8",  "HCap9",
        "HCap10", "HCap11", "HCap12", "HCap13", "HCap14", "HCap15", "HCap16", "HCap17", "HCap18"};
    return columns.at(capBox);
}

QString HeadingOf(CourseScreen screen) {
    return screen == CourseScreen::Entry ? "Add New Club / Course Record"
                                         : "Edit Club / Course Records";
}

QString HoleLabelText(int label) {
    if (label == kOutBox) {
        return "Out";
    }
    if (label == kInBox) {
        return "In";
    }
    return QString::number(label < kOutBox ? label + 1 : label);
}

QString StatsCaption(CourseScreen screen, int label) {
    if (screen == CourseScreen::Edit && label == kSlope) {
        return "USGA Slope value ";
    }
    return kStatsCaptions.at(label);
}

QString TeesCaption(CourseScreen screen) {
    return screen == CourseScreen::Entry ? "Tees   " : "Tees";
}

int NumBoxLimit(int numBox) {
    switch (numBox) {
        case kSlopeBox:
            return 3;
        case kRatingBox:
            return 5;
        default:
            return kNumberLimit;
    }
}

int StatBoxLimit(CourseScreen screen, int statBox) {
    if (statBox == kLength) {
        return 5;
    }
    return statBox == kPar5s && screen == CourseScreen::Entry ? 1 : kNumberLimit;
}

QString NumBoxTooltip(CourseScreen screen, int numBox) {
    if (numBox == kOutBox) {
        return " Enter Par for front 9 holes ";
    }
    if (numBox == kInBox) {
        return " Enter Par for back 9 holes ";
    }
    if (numBox >= kSlopeBox) {
        return StatsFieldTooltip(screen, StatsLabelOfNumBox(numBox));
    }
    return QString(" Enter Par for hole #%1 ").arg(HoleLabelText(numBox));
}

QString CapBoxTooltip(CourseScreen screen) {
    return screen == CourseScreen::Entry ? " Enter handicap value for this hole " : QString();
}

QString StatsFieldTooltip(CourseScreen screen, int label) {
    if (screen == CourseScreen::Edit) {
        switch (label) {
            case kFairways:
                return kFairwaysCaptionTooltip;
            case kLength:
                return " Length in yards ";
            case kRating:
                return kEditRatingTooltip;
            default:
                break;
        }
    }
    return kStatsTooltips.at(label);
}

QString StatsCaptionTooltip(CourseScreen screen, int label) {
    switch (label) {
        case kFairways:
            return kFairwaysCaptionTooltip;
        case kCoursePar:
            return " Par value for the Tees being played ";
        default:
            return StatsFieldTooltip(screen, label);
    }
}

QString TeeTooltip(CourseScreen screen, int tee) {
    if (screen == CourseScreen::Edit) {
        return kEditTeesTooltip;
    }
    return kEntryTeeHasTooltip.at(tee) ? kTeesTooltip : QString();
}

QString TeesCaptionTooltip(CourseScreen screen) {
    return screen == CourseScreen::Entry ? kTeesTooltip : kEditTeesTooltip;
}

}  // namespace parlow::courses

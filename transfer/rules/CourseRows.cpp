#include "courses/rules/CourseChecks.h"
#include "courses/rules/CourseRecordBuilder.h"
#include "transfer/rules/RecordRows.h"

namespace parlow::transfer {

namespace {

using courses::CourseControl;
using courses::CourseEntry;

// The course form's text boxes in their order, the state box apart.
const std::array<const char*, 9> kTextColumns = {"ClubName", "Address",     "City",
                                                 "Zip",      "ClubPhone",   "ProShopPhone",
                                                 "ClubPro",  "ClubAsstPro", "ClubMgr"};
const std::array<const char*, 5> kCountColumns = {"Par3s", "Par4s", "Par5s", "FWays", "Yards"};

std::string Hole(const char* prefix, int hole) {
    return prefix + std::to_string(hole + 1);
}

// The column of the field the course screen would put the focus on.
std::string ColumnOf(const courses::CourseFocus& focus) {
    switch (focus.control) {
        case CourseControl::TxtBox:
            return kTextColumns.at(static_cast<std::size_t>(focus.index));
        case CourseControl::StateBox:
            return "State";
        case CourseControl::CapBox:
            return Hole("HCap", focus.index);
        case CourseControl::StatBox:
            return kCountColumns.at(static_cast<std::size_t>(focus.index));
        case CourseControl::NumBox:
            break;
        case CourseControl::None:
        case CourseControl::CourseSelection:
            return "";
    }
    switch (focus.index) {
        case courses::kOutBox:
            return "ParOut";
        case courses::kInBox:
            return "ParIn";
        case courses::kSlopeBox:
            return "Slope";
        case courses::kRatingBox:
            return "Rating";
        case courses::kCourseParBox:
            return "CoursePar";
        default:
            return Hole("Par", focus.index < courses::kOutBox ? focus.index : focus.index - 1);
    }
}

CourseEntry EntryOf(const ColumnCells& cells, std::size_t row, const StoredRecords& stored) {
    CourseEntry entry;
    std::string* texts[] = {&entry.clubName,   &entry.address,   &entry.city,
                            &entry.postalCode, &entry.clubPhone, &entry.proShopPhone,
                            &entry.clubPro,    &entry.asstPro,   &entry.manager};
    for (std::size_t box = 0; box < kTextColumns.size(); ++box) {
        *texts[box] = cells.Cell(row, kTextColumns[box]);
    }
    entry.state = cells.Cell(row, "State");
    entry.stateListed = entry.state.empty() || stored.stateCodes.count(entry.state) != 0;
    for (int hole = 0; hole < 18; ++hole) {
        entry.par[hole] = cells.Cell(row, Hole("Par", hole));
        entry.hcap[hole] = cells.Cell(row, Hole("HCap", hole));
    }
    entry.out = cells.Cell(row, "ParOut");
    entry.in = cells.Cell(row, "ParIn");
    entry.slope = cells.Cell(row, "Slope");
    entry.rating = cells.Cell(row, "Rating");
    entry.coursePar = cells.Cell(row, "CoursePar");
    std::string* counts[] = {&entry.par3s, &entry.par4s, &entry.par5s, &entry.fairways,
                             &entry.length};
    for (std::size_t box = 0; box < kCountColumns.size(); ++box) {
        *counts[box] = cells.Cell(row, kCountColumns[box]);
    }
    entry.tees = cells.Cell(row, "Tees");
    return entry;
}

bool IsTeeName(const std::string& tees) {
    for (const char* name : courses::kTeeNames) {
        if (tees == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<RowProblem> TooLong(const std::string& column, const std::string& text, int limit) {
    int characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    if (characters <= limit) {
        return std::nullopt;
    }
    return RowProblem{column, "at most " + std::to_string(limit) +
                                  " characters, as the entry screen's field takes, not " +
                                  std::to_string(characters)};
}

std::vector<std::string> RequiredCourseColumns() {
    std::vector<std::string> required = {"ClubName", "Address", "City",   "Tees",     "ParOut",
                                         "ParIn",    "Slope",   "Rating", "CoursePar"};
    for (int hole = 0; hole < 18; ++hole) {
        required.push_back(Hole("Par", hole));
    }
    return required;
}

std::variant<zeviza::CourseRecord, RowProblem> CheckCourseRow(const ColumnCells& cells,
                                                              std::size_t row,
                                                              const StoredRecords& stored) {
    CourseEntry entry = EntryOf(cells, row, stored);
    const courses::CourseCheckResult check =
        courses::ValidateCourse(entry, courses::CourseScreen::Entry);
    if (!check.pass) {
        return RowProblem{ColumnOf(check.focus), OneLine(check.message)};
    }
    for (std::size_t box = 0; box < kTextColumns.size(); ++box) {
        if (auto tooLong = TooLong(kTextColumns[box], cells.Cell(row, kTextColumns[box]),
                                   courses::kClubTextLimits[box])) {
            return *tooLong;
        }
    }
    if (!IsTeeName(entry.tees)) {
        return RowProblem{"Tees", OneLine("Please select the tees you will be playing from") +
                                      " (Gold, Black, Yellow, White, Blue or Red)"};
    }
    return courses::BuildCourseRecord(entry, courses::CourseScreen::Entry,
                                      cells.Cell(row, "ClubID"));
}

}  // namespace parlow::transfer

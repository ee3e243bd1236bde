#include "reports/handicap_record/HandicapReport.h"

#include "handicap/Decimal.h"
#include "handicap/HandicapText.h"

namespace parlow::reports {

namespace {

using handicap::RecordEntry;
using zeviza::Value;

constexpr int kColumns = 8;

std::vector<std::string> ParentColumns() {
    std::vector<std::string> columns = {"GolferID", "Heading"};
    for (int c = 1; c <= kColumns; ++c) {
        columns.push_back("H" + std::to_string(c));
    }
    return columns;
}

std::vector<std::string> LineColumns() {
    std::vector<std::string> columns = {"Caption", "Value", "Note"};
    for (int c = 1; c <= kColumns; ++c) {
        columns.push_back("C" + std::to_string(c));
    }
    return columns;
}

std::vector<Value> ParentRow(const std::string& golferId, const std::string& heading,
                             std::vector<std::string> headings) {
    std::vector<Value> row = {golferId, heading};
    headings.resize(kColumns);
    for (auto& text : headings) {
        row.emplace_back(std::move(text));
    }
    return row;
}

std::vector<Value> Line(const std::string& caption, const std::string& value,
                        const std::string& note, std::vector<std::string> cells = {}) {
    std::vector<Value> row = {caption, value, note};
    cells.resize(kColumns);
    for (auto& text : cells) {
        row.emplace_back(std::move(text));
    }
    return row;
}

// "2024-03-01 00:00:00" as the reports print dates: 3/1/2024.
std::string ShownDate(const std::string& stored) {
    if (stored.size() < 10) {
        return stored;
    }
    return std::to_string(std::stoi(stored.substr(5, 2))) + "/" +
           std::to_string(std::stoi(stored.substr(8, 2))) + "/" + stored.substr(0, 4);
}

std::string CourseAndTees(const handicap::Round& round) {
    return round.club + " (" + round.tees + ")";
}

// A nine is rated at half the 18-hole rating, which may need a second
// decimal: half of 70.5 is 35.25.
std::string NineRatingText(std::int64_t rating10) {
    const std::int64_t hundredths = rating10 * 5;
    std::string text = std::to_string(hundredths / 100) + "." +
                       std::to_string(hundredths % 100 / 10) + std::to_string(hundredths % 10);
    return text.back() == '0' ? text.substr(0, text.size() - 1) : text;
}

std::string RatingAndSlope(const RecordEntry& entry) {
    const std::string rating = entry.holesPlayed == 9 ? NineRatingText(entry.round.rating10)
                                                      : handicap::TenthsText(entry.round.rating10);
    return rating + " / " + std::to_string(entry.round.slope);
}

// A pair of nines shows both, the earlier first.
template <typename Part>
std::string BothNines(const handicap::ScoringRecord& record, const RecordEntry& entry, Part part) {
    if (entry.status != handicap::RoundStatus::NineSecondOfPair || !entry.partner) {
        return part(entry);
    }
    return part(record.entries[*entry.partner]) + " + " + part(entry);
}

// Two nines on the same course and tees name it once.
std::string CourseOfBothNines(const handicap::ScoringRecord& record, const RecordEntry& entry) {
    const std::string later = CourseAndTees(entry.round);
    if (entry.status != handicap::RoundStatus::NineSecondOfPair || !entry.partner) {
        return later;
    }
    const std::string earlier = CourseAndTees(record.entries[*entry.partner].round);
    return earlier == later ? later : earlier + " + " + later;
}

std::string ReductionText(const RecordEntry& entry) {
    if (entry.reduction10 == 0) {
        return {};
    }
    std::string text = "-" + handicap::TenthsText(entry.reduction10);
    if (entry.exceptional10 != 0) {
        text += " (this score)";
    }
    return text;
}

zeviza::RecordSet GolferLines(const handicap::ScoringRecord& record) {
    std::vector<std::vector<Value>> lines = {
        Line(handicap::kIndexCaption, handicap::IndexOrNeeded(record), {}),
        Line(handicap::kLowIndexCaption, handicap::LowIndexOrNone(record), {}),
        Line(handicap::kCapCaption, handicap::CapText(record.CurrentCap()), {}),
        Line({}, {}, handicap::kEstimateNote),
    };
    return zeviza::RecordSet(LineColumns(), std::move(lines));
}

zeviza::RecordSet DifferentialLines(const handicap::ScoringRecord& record) {
    std::vector<std::vector<Value>> lines;
    for (std::size_t at : record.RecentNewestFirst()) {
        const RecordEntry& entry = record.entries[at];
        lines.push_back(Line(
            {}, {}, {},
            {ShownDate(entry.round.playDate), CourseOfBothNines(record, entry),
             BothNines(record, entry, RatingAndSlope),
             BothNines(record, entry, [](const RecordEntry& e) { return std::to_string(e.gross); }),
             BothNines(record, entry,
                       [](const RecordEntry& e) { return std::to_string(e.adjustedGross); }),
             handicap::TenthsText(*entry.differential10), entry.counts ? "*" : "",
             ReductionText(entry)}));
    }
    if (lines.empty()) {
        lines.push_back(Line({}, {}, "No differentials yet."));
    }
    return zeviza::RecordSet(LineColumns(), std::move(lines));
}

zeviza::RecordSet CourseLines(const handicap::ScoringRecord& record,
                              const std::vector<handicap::CourseRecord>& courses) {
    std::vector<std::vector<Value>> lines;
    for (const handicap::CourseRecord& course : courses) {
        lines.push_back(Line(
            {}, {}, {},
            {course.clubId, course.clubName + " (" + course.tees + ")",
             handicap::TenthsText(course.rating10) + " / " + std::to_string(course.slope),
             std::to_string(course.coursePar), handicap::CourseHandicapOrNeeded(record, course)}));
    }
    if (lines.empty()) {
        lines.push_back(Line({}, {}, "No course records."));
    }
    return zeviza::RecordSet(LineColumns(), std::move(lines));
}

}  // namespace

ReportData HandicapRecordData(const std::string& fullName, const std::string& golferId,
                              const handicap::ScoringRecord& record,
                              const std::vector<handicap::CourseRecord>& courses) {
    std::vector<std::vector<Value>> parents = {
        ParentRow(golferId, fullName + " (" + golferId + ")", {}),
        ParentRow(golferId, "The 20 most recent differentials, newest first (* counts)",
                  {"Date", "Course and Tees", "Rating / Slope", "Gross", "Adjusted", "Differential",
                   "Counts", "Exceptional"}),
        ParentRow(golferId, "Course Handicap at the current index",
                  {"Club ID", "Course and Tees", "Rating / Slope", "Par", "Course Handicap"}),
    };
    ReportData data;
    data.rows = zeviza::RecordSet(ParentColumns(), std::move(parents));
    data.children.push_back(GolferLines(record));
    data.children.push_back(DifferentialLines(record));
    data.children.push_back(CourseLines(record, courses));
    return data;
}

std::shared_ptr<const ReportData> ReadHandicapRecord(zeviza::Putt& putt,
                                                     const std::string& golferId) {
    const zeviza::RecordSetPtr golfer = putt.LoadGolferEdit(golferId);
    if (!golfer || golfer->IsEmpty()) {
        return nullptr;
    }
    golfer->MoveFirst();
    const std::string fullName = golfer->Field("FullName").ToText();
    return std::make_shared<const ReportData>(
        HandicapRecordData(fullName, golferId, handicap::LoadScoringRecord(putt, golferId),
                           handicap::ReadCourses(putt)));
}

}  // namespace parlow::reports

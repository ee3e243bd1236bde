#include "handicap/ScoringRecordCsv.h"

#include "csv/CsvWriter.h"
#include "handicap/Decimal.h"

namespace handicap {

namespace {

std::string Optional(const std::optional<std::int64_t>& tenths) {
    return tenths ? TenthsText(*tenths) : std::string();
}

std::string DateOnly(const std::string& stored) {
    return stored.substr(0, 10);
}

}  // namespace

std::string ScoringRecordCsv(const ScoringRecord& record) {
    csv::Document document({"GameID", "PlayDate", "ClubID", "Holes", "Gross", "AdjustedGross",
                            "Differential", "Counts", "IndexAfter"});
    for (const RecordEntry& entry : record.entries) {
        const bool scored = entry.status != RoundStatus::NotCounted;
        document.Add({entry.round.gameId, DateOnly(entry.round.playDate), entry.round.clubId,
                      std::to_string(entry.round.holes),
                      scored ? std::to_string(entry.gross) : std::string(),
                      scored ? std::to_string(entry.adjustedGross) : std::string(),
                      Optional(entry.differential10), entry.counts ? "Yes" : "No",
                      Optional(entry.indexAfter10)});
    }
    return document.Text();
}

}  // namespace handicap

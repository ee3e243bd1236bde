#include <cstdio>
#include <variant>

#include "games/rules/GameFigures.h"
#include "games/rules/GameValidation.h"
#include "transfer/rules/RecordRows.h"

namespace parlow::transfer {

namespace {

using games::GameControl;
using games::GameEntry;

// The game screen's detail counts in their field order, by their columns.
const std::array<const char*, 24> kDetailColumns = {
    "FWaysLeft",  "FWaysRight", "GreensLeft", "GreensRight", "GreensLong", "GreensShort",
    "PuttsLeft",  "PuttsRight", "PuttsLong",  "PuttsShort",  "SandSaves",  "UpDowns",
    "TotalPutts", "LongDrive",  "Aces",       "DEagles",     "Eagles",     "Birds",
    "Pars",       "Bogies",     "DBogies",    "TBogies",     "QBogies",    "Others"};

std::string Numbered(const char* prefix, int index) {
    return prefix + std::to_string(index + 1);
}

// The column of the field the game screen would put the focus on.
std::string ColumnOf(const games::GameFocus& focus) {
    switch (focus.control) {
        case GameControl::CourseList:
            return "ClubID";
        case GameControl::GolferList:
            return "GolferID";
        case GameControl::DatePicker:
            return "PlayDate";
        case GameControl::TxtPar:
            return focus.index == 0 ? "ScoreOut" : "ScoreIn";
        case GameControl::StatBox:
            return kDetailColumns.at(static_cast<std::size_t>(focus.index));
        case GameControl::TxtBox:
            if (focus.index < 18) {
                return Numbered("Score", focus.index);
            }
            return focus.index < 21 ? Numbered("Partner", focus.index - 18)
                                    : Numbered("PartnerScore", focus.index - 21);
        case GameControl::None:
            break;
    }
    return "";
}

GameEntry EntryOf(const ColumnCells& cells, std::size_t row) {
    GameEntry entry;
    for (int hole = 0; hole < 18; ++hole) {
        entry.hole[hole] = cells.Cell(row, Numbered("Score", hole));
    }
    entry.out = cells.Cell(row, "ScoreOut");
    entry.in = cells.Cell(row, "ScoreIn");
    for (int partner = 0; partner < 3; ++partner) {
        entry.partnerName[partner] = cells.Cell(row, Numbered("Partner", partner));
        entry.partnerScore[partner] = cells.Cell(row, Numbered("PartnerScore", partner));
    }
    for (std::size_t detail = 0; detail < kDetailColumns.size(); ++detail) {
        entry.detail[detail] = cells.Cell(row, kDetailColumns[detail]);
    }
    return entry;
}

bool Digits(const std::string& text, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    return true;
}

// "YYYY-MM-DD", or with a time "YYYY-MM-DD HH:MM:SS", as the export writes
// them; the stored play date always carries its time.
std::optional<std::string> StoredPlayDate(const std::string& text,
                                          std::chrono::year_month_day& date) {
    const bool dateOnly = text.size() == 10;
    if ((!dateOnly && text.size() != 19) || !Digits(text, 0, 4) || text[4] != '-' ||
        !Digits(text, 5, 2) || text[7] != '-' || !Digits(text, 8, 2)) {
        return std::nullopt;
    }
    date = std::chrono::year(std::stoi(text.substr(0, 4))) /
           std::chrono::month(static_cast<unsigned>(std::stoi(text.substr(5, 2)))) /
           std::chrono::day(static_cast<unsigned>(std::stoi(text.substr(8, 2))));
    if (!date.ok()) {
        return std::nullopt;
    }
    if (dateOnly) {
        return text + " 00:00:00";
    }
    const bool time = text[10] == ' ' && Digits(text, 11, 2) && text[13] == ':' &&
                      Digits(text, 14, 2) && text[16] == ':' && Digits(text, 17, 2) &&
                      std::stoi(text.substr(11, 2)) < 24 && std::stoi(text.substr(14, 2)) < 60 &&
                      std::stoi(text.substr(17, 2)) < 60;
    return time ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace

std::vector<std::string> RequiredGameColumns() {
    std::vector<std::string> required = {"GolferID", "ClubID", "PlayDate", "ScoreOut", "ScoreIn"};
    for (int hole = 0; hole < 18; ++hole) {
        required.push_back(Numbered("Score", hole));
    }
    return required;
}

std::variant<zeviza::GameRecord, RowProblem> CheckGameRow(const ColumnCells& cells, std::size_t row,
                                                          const StoredRecords& stored,
                                                          std::chrono::year_month_day today) {
    const std::string golferId = cells.Cell(row, "GolferID");
    const auto golfer = stored.golfers.find(golferId);
    if (golfer == stored.golfers.end()) {
        return RowProblem{"GolferID", "no stored golfer has the identifier \"" + golferId + "\""};
    }
    const std::string clubId = cells.Cell(row, "ClubID");
    const auto course = stored.courses.find(clubId);
    if (course == stored.courses.end()) {
        return RowProblem{"ClubID", "no stored course has the identifier \"" + clubId + "\""};
    }
    std::chrono::year_month_day date{};
    const std::optional<std::string> playDate = StoredPlayDate(cells.Cell(row, "PlayDate"), date);
    if (!playDate) {
        return RowProblem{"PlayDate", "\"" + cells.Cell(row, "PlayDate") +
                                          "\" is not a date of the form YYYY-MM-DD "
                                          "(or YYYY-MM-DD HH:MM:SS)"};
    }
    // A game keeps the handicap and category copied into it when it was
    // recorded; a file without them takes the golfer's, as a new round does.
    games::GolferChoice choice = golfer->second;
    if (cells.Has("Handicap")) {
        choice.Handicap = cells.Cell(row, "Handicap");
    }
    if (cells.Has("Category")) {
        choice.Category = cells.Cell(row, "Category");
    }
    GameEntry entry = EntryOf(cells, row);
    for (int partner = 0; partner < 3; ++partner) {
        if (auto tooLong = TooLong(Numbered("Partner", partner), entry.partnerName[partner],
                                   games::kPartnerNameLimit)) {
            return *tooLong;
        }
    }
    const games::GameValidation check =
        games::ValidateGame(entry, course->second, choice, date, today);
    if (!check.Passed()) {
        return RowProblem{ColumnOf(check.problem->focus), OneLine(check.problem->message)};
    }
    // The screen asks whether a nine left empty was not played; a file's
    // empty nine is a nine not played.
    if (const auto unplayed =
            games::ResolveUnplayedNine(entry, [](const std::string&) { return true; })) {
        return RowProblem{ColumnOf(unplayed->focus), OneLine(unplayed->message)};
    }
    auto computed = games::ComputeGameFigures(entry, course->second, choice, date);
    if (const auto* failure = std::get_if<zeviza::Error>(&computed)) {
        return RowProblem{"", failure->Description()};
    }
    zeviza::GameRecord& game = std::get<zeviza::GameRecord>(computed);
    game.playDate = *playDate;
    game.gameId = cells.Cell(row, "GameID");
    return std::move(game);
}

}  // namespace parlow::transfer

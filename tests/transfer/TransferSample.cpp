#include "tests/transfer/TransferSample.h"

#include <gtest/gtest.h>

#include <variant>

#include "csv/CsvWriter.h"
#include "games/rules/GameFigures.h"
#include "tests/support/WritesSupport.h"
#include "transfer/rules/ExportText.h"
#include "transfer/rules/ImportPlan.h"

namespace transfer_test {

namespace {

zeviza::GolferRecord Golfer(const std::string& id, const std::string& first,
                            const std::string& last, const std::string& notes) {
    zeviza::GolferRecord golfer = writes_support::GolferRecordOf(id, first, last);
    golfer.address = "12 \"Old\" Mill Rd, Apt 3\r\nBack door";
    golfer.postalCode = "02134";
    golfer.homePhone = "0049 30 1234567";
    golfer.cellPhone = "007";
    golfer.notes = notes;
    return golfer;
}

}  // namespace

void StoreGolfers(zeviza::Putt& putt) {
    auto ann = Golfer("D2", "Ann \"Birdie\"", "O'Lee",
                      "Plays \"fast\", walks.\r\nSecond line; third, too\nand a bare LF");
    ann.age = 41;
    ann.handicap = 12.5f;
    ASSERT_TRUE(putt.AddGolfer(ann));
    auto emile = Golfer("D4", "Émile", "Zoë, Jr.", "Ça va, très bien — «merci»");
    emile.age = 63;
    emile.handicap = -2.3f;
    ASSERT_TRUE(putt.AddGolfer(emile));
}

void StoreCourses(zeviza::Putt& putt) {
    writes_support::Course standard{"C2", "Pine Hills, \"North\"", writes_support::StandardPars(),
                                    "White"};
    writes_support::Course short_{"C4", "Lac-Étang", writes_support::ShortPars(), "Red"};
    ASSERT_TRUE(writes_support::AddCourse(putt, standard));
    ASSERT_TRUE(writes_support::AddCourse(putt, short_));
}

bool StoreRound(zeviza::Putt& putt, const std::string& golferID, const std::string& clubID,
                const std::string& date, int holes, bool backNine, int over) {
    const parlow::transfer::StoredRecords stored =
        parlow::transfer::ReadStoredRecords(putt, parlow::transfer::ImportKind::Games);
    const parlow::games::CourseCard& card = stored.courses.at(clubID);
    parlow::games::GameEntry entry;
    int out = 0;
    int in = 0;
    for (int hole = 0; hole < 18; ++hole) {
        const bool played = holes == 18 || (backNine ? hole >= 9 : hole < 9);
        const int score = played ? std::stoi(card.par[hole]) + (hole % 3 == 0 ? over : 0) : 0;
        entry.hole[hole] = std::to_string(score);
        (hole < 9 ? out : in) += score;
    }
    entry.out = std::to_string(out);
    entry.in = std::to_string(in);
    entry.partnerName = {"Bo \"Chip\" Smith", "Lee, Pat", ""};
    entry.partnerScore = {holes == 18 ? "88" : "44", "", ""};
    for (int detail = 0; detail < 24; ++detail) {
        entry.detail[detail] = std::to_string((detail * 7 + over) % 4);
    }
    entry.detail[12] = holes == 18 ? "33" : "17";  // total putts
    const std::chrono::year_month_day day{std::chrono::year(std::stoi(date.substr(0, 4))) /
                                          static_cast<unsigned>(std::stoi(date.substr(5, 2))) /
                                          static_cast<unsigned>(std::stoi(date.substr(8, 2)))};
    auto computed =
        parlow::games::ComputeGameFigures(entry, card, stored.golfers.at(golferID), day);
    auto& game = std::get<zeviza::GameRecord>(computed);
    const auto ids = putt.GetNewGameID();
    game.gameId = *parlow::games::MakeNewGameID(ids.get());
    if (date.size() > 10) {
        game.playDate = date;
    }
    return putt.AddGame(game);
}

void StoreSampleLog(zeviza::Putt& putt) {
    StoreGolfers(putt);
    StoreCourses(putt);
    ASSERT_TRUE(StoreRound(putt, "D2", "C2", "2024-05-18", 18));
    ASSERT_TRUE(StoreRound(putt, "D2", "C4", "2024-05-19 07:45:00", 9));
    ASSERT_TRUE(StoreRound(putt, "D2", "C2", "2024-06-01", 9, true, 2));
    ASSERT_TRUE(StoreRound(putt, "D4", "C4", "2024-06-02", 18, false, 0));
    ASSERT_TRUE(StoreRound(putt, "D4", "C2", "2025-01-05", 9, false, 3));
}

void StoreGolfersFrom(zeviza::Putt& putt, const csv::Table& golfers) {
    for (const auto& row : golfers.rows) {
        const auto cell = [&](const char* column) { return row[*golfers.ColumnOf(column)]; };
        zeviza::GolferRecord g;
        g.golferId = cell("GolferID");
        g.firstName = cell("FName");
        g.middleName = cell("MName");
        g.lastName = cell("LName");
        g.address = cell("Address");
        g.city = cell("City");
        g.state = cell("State");
        g.postalCode = cell("Zip");
        g.homePhone = cell("HPhone");
        g.cellPhone = cell("CPhone");
        g.workPhone = cell("WPhone");
        g.club = cell("Club");
        g.clubAddress = cell("ClubAddress");
        g.clubCity = cell("ClubCity");
        g.clubState = cell("ClubState");
        g.clubPostalCode = cell("ClubZip");
        g.clubPhone = cell("ClubPhone");
        g.proShopPhone = cell("ClubProPhone");
        g.notes = cell("Notes");
        g.fullName = cell("FullName");
        g.sex = cell("Sex");
        g.category = cell("Category");
        g.age = static_cast<std::int16_t>(std::stoi(cell("Age")));
        g.handicap = std::stof(cell("Handicap"));
        ASSERT_TRUE(putt.AddGolfer(g));
    }
}

csv::Table Parsed(const std::string& text) {
    std::string error;
    auto table = csv::ReadText(text, error);
    EXPECT_TRUE(table.has_value()) << error;
    return table ? *table : csv::Table{};
}

std::string Exported(zeviza::Putt& putt, zeviza::Putt::ExportKind kind) {
    return parlow::transfer::ExportCsv(putt, kind);
}

std::string GoodGamesFile(zeviza::Putt& source, int rows) {
    const csv::Table games = Parsed(Exported(source, zeviza::Putt::ExportKind::Games));
    std::string text = csv::Record(games.header);
    std::vector<std::string> row = games.rows.at(0);
    row[*games.ColumnOf("GameID")] = "";
    for (int i = 0; i < rows; ++i) {
        text += csv::Record(row);
    }
    return text;
}

}  // namespace transfer_test

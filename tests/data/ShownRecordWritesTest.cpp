#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Putt.h"

// A change or removal handed what the screen showed acts only on that
// record: one replaced under the same identifier, changed meanwhile or gone
// is left alone, without a question or a box, and the caller is told.

namespace {

using namespace writes_support;
using zeviza::Answer;
using zeviza::ShownRecord;

// Two golfers, a course, a game of each golfer; a fresh folder each time.
struct Records {
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt{folder.Path()};
    Course course{"C2", "Pebble Beach", StandardPars()};

    Records() {
        EXPECT_TRUE(AddGolfer(putt, "D2", "Tom", "Watson"));
        EXPECT_TRUE(AddGolfer(putt, "D4", "Temp", "Golfer"));
        EXPECT_TRUE(AddCourse(putt, course));
        AddGame("G1", "D2", 0);
        AddGame("G3", "D4", 36);
    }
    void AddGame(const std::string& id, const std::string& golfer, int over) {
        auto game = MakeGame(id, golfer, golfer, course, ParScores(course, 18, over), 1);
        EXPECT_TRUE(game.Add(putt));
    }

    // The record's row of a read, as a screen's list or form showed it.
    static ShownRecord RowOf(zeviza::RecordSetPtr rows, const std::string& keyColumn,
                             const std::string& key,
                             std::initializer_list<const char*> columns = {}) {
        for (; rows && !rows->Eof(); rows->MoveNext()) {
            if (rows->HasColumn(keyColumn) && rows->Field(keyColumn).ToText() != key) {
                continue;
            }
            if (columns.size() == 0) {
                return ShownRecord::Of(*rows);
            }
            ShownRecord shown;
            for (const char* column : columns) {
                shown.Add(column, rows->Field(column).ToText());
            }
            return shown;
        }
        return {};
    }

    // Every stored golfer, course and game, column by column.
    std::string Everything() const {
        std::string all;
        auto db = folder.Open();
        for (const char* table : {"tblGolfer", "tblClub", "tblGames"}) {
            SQLite::Statement rows(db, "SELECT * FROM " + std::string(table) + " ORDER BY ID");
            while (rows.executeStep()) {
                for (int c = 0; c < rows.getColumnCount(); ++c) {
                    all += rows.getColumn(c).getString() + ",";
                }
                all += "\n";
            }
        }
        return all;
    }
};

// One kind of write: what its screen shows of the record, what another
// window does to that record meanwhile, and the write itself.
struct ShownWrite {
    const char* name;
    std::function<ShownRecord(Records&)> show;
    std::function<void(Records&)> meanwhile;
    std::function<bool(Records&, ShownRecord*)> write;
    bool asks;  // a removal asks its question
};

void ReplaceGolferD4(Records& t) {
    std::string id = "D4";
    t.prompts.Answer(Answer::Yes);
    EXPECT_TRUE(t.putt.DeleteGolfer(id));
    EXPECT_TRUE(AddGolfer(t.putt, "D4", "Robert", "Jones"));
}

bool EditGolferD4(Records& t, ShownRecord* shown) {
    auto text = GolferEditText("Edited", "Name");
    std::string id = "D4";
    return t.putt.UpdateGolfer(text, 30, 4.5f, id, shown);
}

void RenameCourse(Records& t) {
    EXPECT_TRUE(t.putt.UpdateClub(CourseRecordOf({"C2", "Pebble Beach East", StandardPars()})));
}

const ShownWrite kWrites[] = {
    {"game removal after its identifier was given out again",
     [](Records& t) {
         return t.RowOf(t.putt.LoadDeleteGame(), "GameID", "G3",
                        {"GolferID", "PlayDate", "GrossScore", "NetScore", "Holes"});
     },
     [](Records& t) {
         ReplaceGolferD4(t);  // G3 goes with its golfer, so G3 is the next identifier
         t.AddGame("G3", "D2", 2);
     },
     [](Records& t, ShownRecord* shown) {
         return t.putt.DeleteGame(RemovalOf(t.folder, "G3"), shown);
     },
     true},
    {"golfer removal after the identifier was given out again",
     [](Records& t) {
         return t.RowOf(t.putt.LoadGolfer(), "GolferID", "D4", {"FullName", "Address", "Club"});
     },
     ReplaceGolferD4,
     [](Records& t, ShownRecord* shown) {
         std::string id = "D4";
         return t.putt.DeleteGolfer(id, shown);
     },
     true},
    {"golfer edit after the identifier was given out again",
     [](Records& t) { return t.RowOf(t.putt.LoadGolferEdit("D4"), "", ""); }, ReplaceGolferD4,
     EditGolferD4, false},
    {"golfer edit after another edit of the golfer",
     [](Records& t) { return t.RowOf(t.putt.LoadGolferEdit("D4"), "", ""); },
     [](Records& t) { EXPECT_TRUE(EditGolferD4(t, nullptr)); },
     [](Records& t, ShownRecord* shown) {
         auto text = GolferEditText("Third", "Name");
         std::string id = "D4";
         return t.putt.UpdateGolfer(text, 30, 4.5f, id, shown);
     },
     false},
    {"course removal after a rename",
     [](Records& t) {
         return t.RowOf(t.putt.LoadClub(), "ClubID", "C2", {"ClubName", "City", "Tees"});
     },
     RenameCourse,
     [](Records& t, ShownRecord* shown) {
         std::string id = "C2";
         return t.putt.DeleteClub(id, shown);
     },
     true},
    {"course edit of a course removed meanwhile",
     [](Records& t) { return t.RowOf(t.putt.LoadClubEdit("C2"), "", ""); },
     [](Records& t) {
         std::string id = "C2";
         t.prompts.Answer(Answer::Yes);
         EXPECT_TRUE(t.putt.DeleteClub(id));
     },
     [](Records& t, ShownRecord* shown) {
         return t.putt.UpdateClub(CourseRecordOf({"C2", "Pebble Beach West", StandardPars()}),
                                  shown);
     },
     false},
};

TEST(ShownRecordWritesTest, AWriteOfARecordThatChangedSinceItWasShownChangesNothing) {
    for (const ShownWrite& kind : kWrites) {
        SCOPED_TRACE(kind.name);
        Records t;
        ShownRecord shown = kind.show(t);
        ASSERT_FALSE(shown.values.empty());
        kind.meanwhile(t);
        const std::string before = t.Everything();
        t.prompts.Clear();

        EXPECT_FALSE(kind.write(t, &shown));
        EXPECT_TRUE(shown.changed);
        EXPECT_TRUE(t.prompts.Shown().empty());  // no question, no error box
        EXPECT_EQ(t.Everything(), before);
        EXPECT_FALSE(std::filesystem::exists(t.folder.ErrorLog()));
        EXPECT_TRUE(StatisticsMatchGames(t.folder, "D2"));
    }
}

TEST(ShownRecordWritesTest, AWriteOfTheRecordAsShownGoesAheadAndAsksAsBefore) {
    for (const ShownWrite& kind : kWrites) {
        SCOPED_TRACE(kind.name);
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            Records t;
            ShownRecord shown = kind.show(t);
            shown.changed = true;  // left over from an earlier write
            const std::string before = t.Everything();
            if (kind.asks) {
                t.prompts.Answer(answer);
            }
            const bool written = kind.write(t, &shown);
            EXPECT_FALSE(shown.changed);
            const bool expectWritten = !kind.asks || answer == Answer::Yes;
            EXPECT_EQ(written, expectWritten);
            EXPECT_EQ(t.Everything() != before, expectWritten);
            EXPECT_EQ(t.prompts.Shown().size(), kind.asks ? 1u : 0u);
            EXPECT_TRUE(StatisticsMatchGames(t.folder, "D2"));
            if (!kind.asks) {
                break;
            }
        }
    }
}

TEST(ShownRecordWritesTest, AShownColumnTheRecordDoesNotHaveFailsAsAnError) {
    Records t;
    auto& putt = t.putt;
    auto& prompts = t.prompts;
    auto& folder = t.folder;
    ShownRecord shown;
    shown.Add("NoSuchColumn", "x");
    std::string id = "D4";
    EXPECT_FALSE(putt.DeleteGolfer(id, &shown));
    EXPECT_FALSE(shown.changed);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().title, "Zeviza");
    EXPECT_NE(folder.ReadErrorLog().find("Remove Golfer - DLL Function"), std::string::npos);
    EXPECT_EQ(folder.Count("SELECT COUNT(*) FROM tblGolfer WHERE GolferID = 'D4'"), 1);
}

}  // namespace

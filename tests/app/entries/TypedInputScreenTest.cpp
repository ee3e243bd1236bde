// What a user types into the entry screens, and what comes of it: the box
// the screen shows and the field that gets the focus, with everything typed
// kept and nothing stored; or the record stored as the user meant it.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>
#include <vector>

#include "courses/frmAddClub.h"
#include "golfers/frmAddGolfer.h"
#include "tests/courses/CourseScreenSupport.h"
#include "tests/games/GameScreenSupport.h"
#include "tests/golfers/GolferScreenSupport.h"
#include "tests/support/LocaleEnvironment.h"

namespace {

using zeviza::Answer;

// The golfer screens' typing helpers, reached from this fixture.
struct GolferTyping : golfer_tests::GolferScreenTest {
    using GolferScreenTest::TypeGolfer;
};

enum class Screen { Game, Course, Golfer };

// The three entry screens, each filled with a complete sample record.
struct Screens {
    std::unique_ptr<parlow::games::frmAddGame> game;
    std::unique_ptr<parlow::courses::frmAddClub> course;
    std::unique_ptr<parlow::golfers::frmAddGolfer> golfer;
};

struct Case {
    const char* name;
    Screen screen;
    std::function<QLineEdit*(Screens&)> field;  // typed into; none for a state list
    QString typed;
    // Refused: the box's text, and the field that must hold the focus.
    std::string refusal;
    // Stored: a query counting the one record the typing must have made.
    std::string stored;
    std::function<void(game_tests::Round&)> round = nullptr;  // the rest of a game
    std::function<QComboBox*(Screens&)> list = nullptr;       // a state list typed into
};

QLineEdit* Hole(Screens& s, int hole) {
    return s.game->txtBox[hole];
}

class TypedInputScreenTest : public game_tests::GameScreenTest {
  protected:
    QPushButton* Open(Screens& s, const Case& c) {
        switch (c.screen) {
            case Screen::Game: {
                s.game = std::make_unique<parlow::games::frmAddGame>();
                ShowAndActivate(s.game.get());
                ChooseCourse(*s.game, game_tests::kPineHollow);
                ChooseGolfer(*s.game, "Ann O'Hara");
                game_tests::Round round = game_tests::FullRound();
                if (c.round) {
                    c.round(round);
                }
                TypeRound(*s.game, round);
                return s.game->cmdSave;
            }
            case Screen::Course:
                s.course = std::make_unique<parlow::courses::frmAddClub>();
                ShowAndActivate(s.course.get());
                course_tests::CourseScreenTest::TypeCourse(s.course->form, course_tests::Sample());
                return s.course->form->cmdSave;
            case Screen::Golfer:
                s.golfer = std::make_unique<parlow::golfers::frmAddGolfer>();
                ShowAndActivate(s.golfer.get());
                GolferTyping::TypeGolfer(s.golfer->form, golfer_tests::Sample());
                return s.golfer->form->cmdSave;
        }
        return nullptr;
    }

    long long Records() const {
        return folder.Count(
            "SELECT (SELECT COUNT(*) FROM tblGames) + (SELECT COUNT(*) FROM tblClub) + "
            "(SELECT COUNT(*) FROM tblGolfer);");
    }
};

TEST_F(TypedInputScreenTest, EachTypedValueIsRefusedByNameOrStoredAsMeant) {
    testing_support::LocaleEnvironment american("en_US.UTF-8");
    const QString backNineZeros = "0";
    auto zeroBackNine = [](game_tests::Round& round) {
        for (int hole = 9; hole < 18; ++hole) {
            round.entry.hole[hole] = "0";
        }
    };
    const std::vector<Case> cases = {
        // A nine of zeros is an unplayed nine, however the zeros got there.
        {"In typed 0", Screen::Game, [](Screens& s) { return s.game->txtPar[parlow::games::kIn]; },
         "0", "",
         "SELECT COUNT(*) FROM tblGames WHERE Holes = 9 AND GrossScore = 40 AND CoursePar = 36"},
        {"back nine left at 0 by a stopped save", Screen::Game,
         [](Screens& s) { return s.game->txtPar[parlow::games::kIn]; }, backNineZeros, "",
         "SELECT COUNT(*) FROM tblGames WHERE Holes = 9 AND Score10 = 0 AND Par318 = 2",
         zeroBackNine},
        // Text that is no number is refused by its field's name.
        {"total putts 3o", Screen::Game, [](Screens& s) { return s.game->statBox[12]; }, "3o",
         "The Total Putts field must be a valid number. ", ""},
        {"partner score abc", Screen::Game,
         [](Screens& s) { return s.game->txtBox[parlow::games::kFirstPartnerScore]; }, "abc",
         "The Playing Partner 1 Score field must be a valid number. ", ""},
        {"length 70x", Screen::Course, [](Screens& s) { return s.course->form->statBox[4]; }, "70x",
         "The Length field must be a valid number. ", ""},
        {"handicap index x", Screen::Course, [](Screens& s) { return s.course->form->capBox[2]; },
         "x", "The H Cap of hole #3 field must be a valid number. ", ""},
        {"USGA handicap 12,5", Screen::Golfer,
         [](Screens& s) { return s.golfer->form->txtBox[parlow::golfers::kHandicap]; }, "12,5",
         "The USGA Handicap field must be a valid number. ", ""},
        // Group commas read as the user meant them.
        {"length 7,040", Screen::Course, [](Screens& s) { return s.course->form->statBox[4]; },
         "7,040", "", "SELECT COUNT(*) FROM tblClub WHERE Yards = 7040"},
        // What cannot be a golf score or an age.
        {"hole 99", Screen::Game, [](Screens& s) { return Hole(s, 4); }, "99",
         "Invalid hole score found in hole #5 \r\nA hole score must be between 1 and 20. ", ""},
        {"hole 40000", Screen::Game, [](Screens& s) { return Hole(s, 4); }, "40000",
         "Invalid hole score found in hole #5 \r\nA hole score must be between 1 and 20. ", ""},
        {"hole 0 on a played nine", Screen::Game, [](Screens& s) { return Hole(s, 0); }, "0",
         "Invalid hole score found in hole #1 \r\nA hole score must be between 1 and 20. ", ""},
        {"partner score -5", Screen::Game,
         [](Screens& s) { return s.game->txtBox[parlow::games::kFirstPartnerScore]; }, "-5",
         "Score values entered are not valid! \r\nPlaying Partner 1 Score must be 0 or between "
         "58 and 360 for 18 holes. ",
         ""},
        {"partner score 0", Screen::Game,
         [](Screens& s) { return s.game->txtBox[parlow::games::kFirstPartnerScore]; }, "0", "",
         "SELECT COUNT(*) FROM tblGames WHERE PartnerScore1 = 0 AND PartnerScore3 = 91"},
        {"age 999", Screen::Golfer,
         [](Screens& s) { return s.golfer->form->txtBox[parlow::golfers::kAge]; }, "999",
         "The Golfer's age cannot be more than 120. ", ""},
        {"age 120", Screen::Golfer,
         [](Screens& s) { return s.golfer->form->txtBox[parlow::golfers::kAge]; }, "120", "",
         "SELECT COUNT(*) FROM tblGolfer WHERE Age = 120"},
        // The state box takes a listed state or province, or nothing.
        {"course state - C", Screen::Course, nullptr, "- C",
         "Select a valid State or Province!\r\n\"- C\" is not in the list. ", "", nullptr,
         [](Screens& s) { return s.course->form->cboBox; }},
        {"course state code ON", Screen::Course, nullptr, "ON", "",
         "SELECT COUNT(*) FROM tblClub WHERE State = 'ON'", nullptr,
         [](Screens& s) { return s.course->form->cboBox; }},
        {"golfer state - C", Screen::Golfer, nullptr, "- C",
         "Select a valid State / Province!\r\n\"- C\" is not in the list. ", "", nullptr,
         [](Screens& s) { return s.golfer->form->cboBox[parlow::golfers::kGolferState]; }},
        {"club state left empty", Screen::Golfer, nullptr, "", "",
         "SELECT COUNT(*) FROM tblGolfer WHERE State = 'QC' AND ClubState = ''", nullptr,
         [](Screens& s) { return s.golfer->form->cboBox[parlow::golfers::kClubState]; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Screens screens;
        QPushButton* save = Open(screens, c);
        QWidget* field = nullptr;
        if (c.list) {
            QComboBox* list = c.list(screens);
            list->setCurrentIndex(-1);
            Type(list, c.typed);
            field = list;
        } else {
            field = c.field(screens);
            Type(field, c.typed);
        }
        const long long before = Records();
        prompts.Clear();
        if (c.refusal.empty()) {
            // The round is confirmed; no other record is added after it.
            if (c.screen == Screen::Game) {
                prompts.Answer(Answer::Yes);
            }
            prompts.Answer(Answer::No);
        }
        Click(save);
        if (!c.refusal.empty()) {
            ASSERT_FALSE(prompts.Shown().empty());
            EXPECT_EQ(prompts.Shown().front().text, c.refusal);
            EXPECT_EQ(prompts.Shown().size(), 1u) << "refused before any question";
            EXPECT_TRUE(HasFocus(field));
            const QString kept = c.list ? c.list(screens)->currentText() : c.field(screens)->text();
            EXPECT_EQ(kept, c.typed);
            EXPECT_EQ(Records(), before);
        } else {
            EXPECT_EQ(folder.Count(c.stored), 1) << c.stored;
            EXPECT_EQ(Records(), before + 1);
        }
    }
}

}  // namespace

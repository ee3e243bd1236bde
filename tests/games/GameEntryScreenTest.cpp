// The game entry screen driven through its widgets, with scripted answers;
// what it stores is checked against the round's figures and the golfer's
// statistics against the games stored.
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <memory>

#include "games/frmDeleteGame.h"
#include "tests/games/GameScreenSupport.h"
#include "tests/support/ReadOnlyDatabase.h"
#include "ui/fields/RecordTableModel.h"

namespace game_tests {
namespace {

using namespace parlow::games;
using zeviza::Answer;
using zeviza::Icon;

const char* const kCorrect = "Is everything correct?";
const char* const kSaved = "Game Record Saved\r\n\r\nWould you like to add another game?";

class GameEntryScreenTest : public GameScreenTest {
  protected:
    GameEntryScreenTest() { Open(); }

    void Open() {
        screen = std::make_unique<frmAddGame>();
        ShowAndActivate(screen.get());
    }
    void Fill(const Round& round, const std::string& clubID = kPineHollow) {
        ChooseCourse(*screen, clubID);
        ChooseGolfer(*screen, "Ann O'Hara");
        TypeRound(*screen, round);
    }
    QString Field(int box) const { return screen->txtBox[box]->text(); }

    std::unique_ptr<frmAddGame> screen;
};

TEST_F(GameEntryScreenTest, ARoundTypedInIsStoredWithItsFiguresAndRemovedAgainFromTheList) {
    const auto before = Statistics(kAnn);
    Fill(FullRound());
    EXPECT_EQ(screen->lblClub->text(), "Pine Hollow");
    EXPECT_EQ(screen->lblPar[3]->text(), "5");
    EXPECT_EQ(screen->cboBox[kGolferID]->currentText(), QString::fromStdString(kAnn));
    EXPECT_EQ(screen->cboBox[kGolferHandicap]->currentText(), "12.5");
    zeviza::GameRecord expected = Expected(*screen);
    expected.gameId = "G1";

    prompts.Answer(Answer::Yes);  // everything correct
    prompts.Answer(Answer::No);   // no other game
    Click(screen->cmdSave);
    ASSERT_EQ(prompts.Shown().size(), 2u) << LastText();
    EXPECT_EQ(prompts.Shown()[0].text, kCorrect);
    EXPECT_EQ(prompts.Shown()[0].icon, Icon::Question);
    EXPECT_EQ(LastText(), kSaved);
    EXPECT_EQ(prompts.Last().defaultButton, Answer::No);
    EXPECT_EQ(prompts.Last().title, "Parlow's Log");
    EXPECT_EQ(screen->boxScore[kNet]->text(), "85");  // the typed 99 replaced
    EXPECT_EQ(screen->boxScore[kGross]->text(), "85");
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(expected.scores[2], 4);  // "4.5" is stored as 4
    EXPECT_TRUE(StoredAs("G1", expected));
    EXPECT_TRUE(StatisticsMatchGames(kAnn));
    EXPECT_EQ(Statistics(kAnn).at("Games18"), 1);

    frmDeleteGame removal;
    ShowAndActivate(&removal);
    ASSERT_EQ(removal.gameRows->rowCount(), 1);
    EXPECT_EQ(removal.gameRows->Row(0).value(4),
              QString::fromStdString(expected.playDate.substr(0, 10)));
    ClickRow(removal.lvGame, 0);
    EXPECT_EQ(removal.lblID->text(), "G1");
    EXPECT_EQ(removal.lblGolfer->text(), "Ann O'Hara");
    EXPECT_EQ(removal.lblNet->text(), "85");
    prompts.Answer(Answer::Yes);
    Click(removal.cmdDelete);
    EXPECT_EQ(LastText(), "Game Record Removed");
    EXPECT_EQ(removal.gameRows->rowCount(), 0);
    EXPECT_EQ(removal.lblID->text(), "");
    EXPECT_EQ(Games(), 0);
    EXPECT_EQ(Statistics(kAnn), before);
}

// Each refusal stores nothing, leaves the golfer's statistics alone and
// keeps what was typed for another try.
TEST_F(GameEntryScreenTest, RefusedRoundsKeepEveryFieldAndStoreNothing) {
    struct Case {
        const char* name;
        int hole;  // 0 to 17, typed as `text`
        const char* text;
        std::vector<Answer> answers;  // to "Is everything correct?"
        bool unwritable;
        std::vector<std::string> boxes;  // the program's own boxes, in order
        Icon lastIcon;
        int focusHole;    // -1: the focus is not checked
        int detail = -1;  // typed into this detail count instead of the hole
    };
    const std::string overflow =
        "ERROR # 6\r\n\r\nOverflow in Total Putts\r\nIn the Add Game code module\r\n"
        "Procedure: Add Game - Save";
    const std::vector<Case> cases = {
        {"no number",
         11,
         "abc",
         {},
         false,
         {"Invalid hole score found in hole #12 "},
         Icon::Critical,
         11},
        {"not confirmed", 0, "5", {Answer::No}, false, {kCorrect}, Icon::Question, -1},
        {"beyond a hole's scores",
         4,
         "40000",
         {},
         false,
         {"Invalid hole score found in hole #5 \r\nA hole score must be between 1 and 20. "},
         Icon::Critical,
         4},
        {"beyond 16 bits",
         0,
         "9e9",
         {Answer::Yes},
         false,
         {kCorrect, overflow},
         Icon::Critical,
         -1,
         12},
        {"unwritable database",
         0,
         "5",
         {Answer::Yes},
         true,
         {kCorrect, "Record NOT Saved"},
         Icon::Critical,
         -1},
    };
    const auto before = Statistics(kAnn);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click(screen->cmdClear);
        Round round = FullRound();
        (c.detail < 0 ? round.entry.hole[c.hole] : round.entry.detail[c.detail]) = c.text;
        Fill(round);
        prompts.Clear();
        for (Answer answer : c.answers) {
            prompts.Answer(answer);
        }
        {
            std::unique_ptr<testing_support::ReadOnlyDatabase> readOnly;
            if (c.unwritable) {
                readOnly = std::make_unique<testing_support::ReadOnlyDatabase>(folder);
            }
            Click(screen->cmdSave);
        }
        std::vector<std::string> shown;
        for (const zeviza::Box& box : prompts.Shown()) {
            if (box.title != "Zeviza") {  // the library's own report comes first
                shown.push_back(box.text);
            }
        }
        EXPECT_EQ(shown, c.boxes);
        EXPECT_EQ(prompts.Last().icon, c.lastIcon);
        if (c.unwritable) {
            EXPECT_EQ(prompts.Shown().size(), 3u);
        }
        EXPECT_EQ(c.detail < 0 ? Field(c.hole).toStdString()
                               : screen->statBox[c.detail]->text().toStdString(),
                  c.text);
        EXPECT_EQ(screen->txtBox[kFirstPartnerName + 2]->text(), "李 小龍");
        EXPECT_EQ(screen->lblClub->text(), "Pine Hollow");
        EXPECT_EQ(screen->cboBox[kGolferName]->currentText(), "Ann O'Hara");
        if (c.focusHole >= 0) {
            EXPECT_TRUE(HasFocus(screen->txtBox[c.focusHole]));
        }
        EXPECT_TRUE(screen->isVisible());
        EXPECT_EQ(Games(), 0);
        EXPECT_EQ(Statistics(kAnn), before);
    }
}

// Only one nine played: Yes makes a nine-hole game of the other nine with
// zeros shown in the unplayed one; No stops with the focus on its first hole.
TEST_F(GameEntryScreenTest, AnUnplayedNineIsSettledWithTheGolfer) {
    struct Case {
        const char* name;
        bool front;  // the front nine left empty (else the back nine)
        Answer answer;
    };
    const Case cases[] = {{"back nine only", true, Answer::Yes},
                          {"front nine missing", true, Answer::No},
                          {"front nine only", false, Answer::Yes},
                          {"back nine missing", false, Answer::No}};
    int stored = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!screen->isVisible()) {
            Open();
        }
        Click(screen->cmdClear);
        Round round = FullRound();
        const int first = c.front ? 0 : 9;
        for (int hole = first; hole < first + 9; ++hole) {
            round.entry.hole[hole] = "";
        }
        (c.front ? round.entry.out : round.entry.in) = "";
        Fill(round, kShortLinks);  // no par-5 hole: a par-5 average of nothing
        prompts.Clear();
        prompts.Answer(Answer::Yes);
        prompts.Answer(c.answer);
        if (c.answer == Answer::Yes) {
            prompts.Answer(Answer::No);  // no other game
        }
        Click(screen->cmdSave);
        ASSERT_GE(prompts.Shown().size(), 2u) << LastText();
        EXPECT_EQ(prompts.Shown()[1].text,
                  c.front ? "Did you only play the Back 9 holes for this game? "
                          : "Did you only play the Front 9 holes for this game? ");
        if (c.answer == Answer::No) {
            EXPECT_EQ(LastText(),
                      c.front ? "Enter the scores for the front 9 holes before continuing. "
                              : "Enter the scores for the back 9 holes before continuing. ");
            EXPECT_EQ(prompts.Last().icon, Icon::Warning);
            EXPECT_TRUE(HasFocus(screen->txtBox[first]));
            EXPECT_EQ(Field(first), "");
            EXPECT_EQ(Games(), stored);
            continue;
        }
        EXPECT_EQ(LastText(), kSaved);
        ++stored;
        const std::string id = "G" + std::to_string(stored);
        EXPECT_EQ(folder.Count("SELECT Holes FROM tblGames WHERE GameID = '" + id + "';"), 9);
        EXPECT_EQ(folder.Count("SELECT GrossScore FROM tblGames WHERE GameID = '" + id + "';"),
                  c.front ? 45 : 40);
        EXPECT_EQ(folder.Count("SELECT Score" + std::to_string(first + 1) +
                               " FROM tblGames WHERE GameID = '" + id + "';"),
                  0);
        EXPECT_EQ(folder.Real("SELECT Par5Avg FROM tblGames WHERE GameID = '" + id + "';"), 0.0);
        EXPECT_TRUE(StatisticsMatchGames(kAnn));
    }
    EXPECT_EQ(Games(), 2);
    EXPECT_EQ(Statistics(kAnn).at("Games9"), 2);
}

// The zeros the Yes writes appear in the fields before the figures are
// worked out, and the stored round is the one the screen shows.
TEST_F(GameEntryScreenTest, TheZerosOfAnUnplayedNineAreShownAndStored) {
    Round round = FullRound();
    round.entry.hole[4] = "";  // one front hole left empty, both totals typed
    Fill(round);
    prompts.Answer(Answer::Yes);
    prompts.Answer(Answer::Yes);
    prompts.Answer(Answer::Yes);  // another game
    Click(screen->cmdSave);
    EXPECT_EQ(LastText(), kSaved);
    EXPECT_EQ(folder.Count("SELECT GrossScore FROM tblGames;"), 45);
    EXPECT_EQ(folder.Count("SELECT ScoreOut + Score1 + Score5 FROM tblGames;"), 0);
    EXPECT_TRUE(StatisticsMatchGames(kAnn));
    // After Yes to another game the screen is empty and asks for a course first.
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(Field(0), "");
    EXPECT_EQ(screen->cboBox[kGolferName]->currentIndex(), -1);
    EXPECT_EQ(screen->datBox->date(), QDate::currentDate());
    EXPECT_TRUE(screen->lvClub->currentIndex().isValid());  // still highlighted
    prompts.Clear();
    Click(screen->cmdSave);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(LastText(),
              "Please select the Course where this game was played. \r\n\r\n"
              "You must have at least one Course record before adding a Game record. ");
    EXPECT_TRUE(HasFocus(screen->lvClub));
}

// Prompts that press Save again while the first save asks its question, as
// a quick second click would arrive.
class PressingAgain : public testing_support::ScriptedPrompts {
  public:
    explicit PressingAgain(QPushButton* save) : save_(save) {}
    zeviza::Answer Show(const zeviza::Box& box) override {
        if (box.buttons == zeviza::Buttons::YesNo && presses_++ == 0) {
            save_->click();
        }
        return ScriptedPrompts::Show(box);
    }

  private:
    QPushButton* save_;
    int presses_ = 0;
};

TEST_F(GameEntryScreenTest, SavePressedTwiceStoresOneGame) {
    Fill(FullRound());
    PressingAgain again(screen->cmdSave);
    again.Answer(Answer::Yes);
    again.Answer(Answer::No);
    Click(screen->cmdSave);
    EXPECT_EQ(Games(), 1);
    EXPECT_EQ(again.Shown().size(), 2u);
    EXPECT_TRUE(StatisticsMatchGames(kAnn));
}

// The calendar is made when it first opens; a day clicked there moves on to
// the first hole, however the calendar was opened.
TEST_F(GameEntryScreenTest, ADayClickedInTheCalendarMovesOnToTheFirstHole) {
    EXPECT_EQ(screen->findChild<QCalendarWidget*>(), nullptr);
    screen->datBox->setFocus(Qt::OtherFocusReason);
    QCalendarWidget* calendar = screen->datBox->calendarWidget();
    calendar->window()->show();
    Settle();
    emit calendar->clicked(QDate(2024, 5, 18));
    calendar->window()->hide();
    Settle();
    EXPECT_TRUE(HasFocus(screen->txtBox[0]));
}

TEST_F(GameEntryScreenTest, EnterWalksTheScorecardAndCaptionsLight) {
    ChooseCourse(*screen, kPineHollow);
    EXPECT_TRUE(HasFocus(screen->cboBox[kGolferName]));   // a course moves on to the golfer
    PressKey(screen->cboBox[kGolferName], Qt::Key_Down);  // arrows stay on the list
    EXPECT_TRUE(HasFocus(screen->cboBox[kGolferName]));
    EXPECT_EQ(screen->cboBox[kGolferID]->currentIndex(), 0);
    ChooseGolfer(*screen, "Zoë Łukasiewicz");
    EXPECT_TRUE(HasFocus(screen->datBox));
    EXPECT_EQ(screen->cboBox[kGolferID]->currentText(), QString::fromStdString(kZoe));
    EXPECT_EQ(screen->cboBox[kGolferCategory]->currentText(), "Adult Male");
    EXPECT_EQ(screen->cboBox[kGolferHandicap]->currentText(), "13.5");
    EXPECT_TRUE(IsLit(screen->lblDate));
    EXPECT_EQ(screen->datBox->minimumDate(), QDate(2000, 1, 1));
    EXPECT_EQ(screen->datBox->maximumDate(), QDate(9999, 12, 31));

    PressEnter(screen->datBox);
    EXPECT_TRUE(HasFocus(screen->txtBox[0]));
    const std::vector<std::pair<QWidget*, QWidget*>> moves = {
        {screen->txtBox[8], screen->txtPar[kOut]},
        {screen->txtPar[kOut], screen->txtBox[9]},
        {screen->txtBox[17], screen->txtPar[kIn]},
        {screen->txtPar[kIn], screen->boxScore[kNet]},
        {screen->boxScore[kGross], screen->boxScore[kNet]},
        {screen->boxScore[kNet], screen->statBox[0]},
        {screen->statBox[23], screen->txtBox[18]},
        {screen->txtBox[18], screen->txtBox[21]},
        {screen->txtBox[21], screen->txtBox[19]},
        {screen->txtBox[23], screen->cmdSave}};
    for (const auto& [from, to] : moves) {
        from->setFocus(Qt::OtherFocusReason);
        Settle();
        PressEnter(from);
        EXPECT_TRUE(HasFocus(to)) << from->toolTip().toStdString();
    }
    EXPECT_EQ(Games(), 0);  // Enter onto Save does not save

    screen->boxScore[kNet]->setFocus(Qt::OtherFocusReason);
    Settle();
    EXPECT_TRUE(IsLit(screen->lblScore));
    EXPECT_TRUE(IsLit(screen->lblNet, QColor(255, 0, 0)));
    screen->boxScore[kGross]->setFocus(Qt::OtherFocusReason);
    Settle();
    EXPECT_TRUE(IsLit(screen->lblScore));
    EXPECT_FALSE(IsLit(screen->lblNet, QColor(255, 0, 0)));
    EXPECT_FALSE(IsLit(screen->lblGross));
    auto face = [this] { return screen->cmdSave->styleSheet(); };
    EXPECT_TRUE(face().contains("#e0e0e0"));
    screen->cmdSave->setFocus(Qt::OtherFocusReason);
    Settle();
    EXPECT_TRUE(face().contains("#00ff00"));
    EXPECT_FALSE(IsLit(screen->lblScore));
}

}  // namespace
}  // namespace game_tests

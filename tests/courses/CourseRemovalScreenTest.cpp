// The course removal screen driven through its widgets, with scripted answers.
#include "tests/support/WritesSupport.h"  // before Qt, which takes "slots" as a keyword

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "courses/frmDeleteClub.h"
#include "tests/courses/CourseScreenSupport.h"

namespace course_tests {
namespace {

using namespace parlow::courses;
using zeviza::Answer;
using zeviza::Icon;

class CourseRemovalScreenTest : public CourseScreenTest {
  protected:
    CourseRemovalScreenTest() {
        StoreCourse("C2", "Pebble Beach", "White");
        StoreCourse("C4", "Pebble Beach", "Blue");
        StoreCourse("C6", "Augusta National", "Gold");
        StoreGolfer("D2", "Ann", "Ní Bhriain");
        StoreGolfer("D4", "Bob", "O'Neil");
        StoreGame("G2", "D2", "C2");
        StoreGame("G4", "D4", "C2");
        StoreGame("G6", "D2", "C6");
        screen = std::make_unique<frmDeleteClub>();
        ShowAndActivate(screen.get());
    }

    QStringList Column(int column) const {
        QStringList texts;
        for (int i = 0; i < screen->lvClub->topLevelItemCount(); ++i) {
            texts << screen->lvClub->topLevelItem(i)->text(column);
        }
        return texts;
    }
    QStringList Labels() const {
        return {screen->lblID->text(), screen->lblClub->text(), screen->lblCity->text(),
                screen->lblTees->text()};
    }
    void ChooseRow(int row) { ClickRow(screen->lvClub, screen->lvClub->topLevelItem(row)); }
    long long Games(const std::string& where = "1") const {
        return folder.Count("SELECT COUNT(*) FROM tblGames WHERE " + where + ";");
    }
    // Each golfer's running statistics against the sums over the games left.
    void ExpectStatisticsMatchTheGamesLeft() const {
        auto db = folder.Open();
        for (const std::string golfer : {"D2", "D4"}) {
            const auto stored = writes_support::StoredStatistics(db, golfer);
            const auto games = writes_support::RecomputedStatistics(db, golfer);
            for (const auto& [column, value] : games) {
                EXPECT_NEAR(stored.at(column), value, 1e-4) << golfer << " " << column;
            }
        }
    }

    std::unique_ptr<frmDeleteClub> screen;
};

TEST_F(CourseRemovalScreenTest, ListsCoursesByNameAndShowsTheOneChosen) {
    EXPECT_EQ(screen->windowTitle(), "Remove Club Records");
    EXPECT_EQ(screen->lblHeading->text(), "Remove Club / Course Records");
    QTreeWidgetItem* header = screen->lvClub->headerItem();
    EXPECT_EQ(QStringList({header->text(0), header->text(1), header->text(2), header->text(3)}),
              QStringList({"ID", "Club Name", "City", "Tees"}));
    EXPECT_EQ(Column(1), QStringList({"Augusta National", "Pebble Beach", "Pebble Beach"}));
    EXPECT_EQ(Column(3), QStringList({"Gold", "White", "Blue"}));

    Click(screen->cmdDelete);
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(LastText(), "Select a Course record to remove");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);

    ChooseRow(2);
    EXPECT_EQ(Labels(), QStringList({"C4", "Pebble Beach", "Pinehurst", "Blue"}));
    emit screen->lvClub->header()->sectionClicked(0);  // the first click sorts descending
    EXPECT_EQ(Column(0), QStringList({"C6", "C4", "C2"}));
    emit screen->lvClub->header()->sectionClicked(3);
    EXPECT_EQ(Column(3), QStringList({"Blue", "Gold", "White"}));

    // Clear empties the labels only; Remove then asks for a course again.
    Click(screen->cmdClear);
    EXPECT_EQ(Labels(), QStringList({"", "", "", ""}));
    EXPECT_NE(screen->lvClub->currentItem(), nullptr);
    Click(screen->cmdDelete);
    EXPECT_EQ(LastText(), "Select a Course record to remove");
    EXPECT_EQ(Games(), 3);
}

TEST_F(CourseRemovalScreenTest, NoToTheQuestionKeepsTheCourseItsGamesAndTheChoice) {
    ChooseRow(1);
    prompts.Answer(Answer::No);
    Click(screen->cmdDelete);
    ASSERT_EQ(prompts.Shown().size(), 2u);
    EXPECT_EQ(prompts.Shown()[0].title, "** WARNING **");
    EXPECT_EQ(prompts.Shown()[0].defaultButton, Answer::No);
    EXPECT_EQ(LastText(), "Club Record NOT Removed");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(Labels(), QStringList({"C2", "Pebble Beach", "Pinehurst", "White"}));
    EXPECT_EQ(Courses(), 3);
    EXPECT_EQ(Games(), 3);
    ExpectStatisticsMatchTheGamesLeft();
}

TEST_F(CourseRemovalScreenTest, RemovingTakesTheGamesAndTheirFiguresOutOfTheStatistics) {
    const double grossBefore =
        std::stod(folder.Text("SELECT TotalGross FROM tblGolfer WHERE GolferID = 'D2';"));
    ChooseRow(1);
    prompts.Answer(Answer::Yes);
    Click(screen->cmdDelete);
    EXPECT_EQ(LastText(), "Club Record Removed");
    EXPECT_EQ(prompts.Last().icon, Icon::Warning);
    EXPECT_EQ(Labels(), QStringList({"", "", "", ""}));
    EXPECT_EQ(Column(0), QStringList({"C6", "C4"}));

    EXPECT_EQ(Stored("COUNT(*)", "C2"), "0");
    EXPECT_EQ(Games("ClubID = 'C2'"), 0);
    EXPECT_EQ(Games("ClubID = 'C6'"), 1);
    ExpectStatisticsMatchTheGamesLeft();
    EXPECT_EQ(folder.Text("SELECT Games FROM tblGolfer WHERE GolferID = 'D2';"), "1");
    EXPECT_LT(std::stod(folder.Text("SELECT TotalGross FROM tblGolfer WHERE GolferID = 'D2';")),
              grossBefore);
    EXPECT_EQ(folder.Text("SELECT Games || '/' || TotalGross FROM tblGolfer "
                          "WHERE GolferID = 'D4';"),
              "0/0");
}

}  // namespace
}  // namespace course_tests

#include "tests/reports/review/ReviewFixture.h"  // first: see there

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <filesystem>

#include "reports/review/ReportEnvironment.h"
#include "reports/review/ReviewList.h"
#include "ui/modGlobal.h"

namespace review_tests {
namespace {

struct ScreenFacts {
    const char* command;
    const char* caption;
    const char* heading;
    const char* list;
    const char* headers;
    const char* fields;
    const char* button;
    const char* missing;
    const char* someRow;
};

const ScreenFacts kScreens[] = {
    {"mnuRptGames", "Game Stats", "Individual Game Profile & Datasheet", "lvGame",
     "ID|Golfer|Game Date|Course|Gross|Net|Tees",
     "Game ID|Game Date|Golfer|Club / Course|Score|Tees|Gross", "&Report",
     "Select a record to review", "G2"},
    {"mnuRptClubs", "Club / Course Information", "Club Profile & Datasheet", "lvClub",
     "Club ID|Club Name|Club Pro|City|State|Tees|Par", "ID|Course|City|Club Pro|Tees|Par",
     "&Report", "Select a record to review", "C1"},
    {"mnuRptHistory", "Review Game Records", "Golfer's Game History Reports", "lvGolfer",
     "ID|Golfer|Age|Address|City|Home Club", "ID|Golfer|Age|Home Club|City", "&Report",
     "Select a Golfer to review", "D1"},
    {"mnuRptGolferStats", "Review Game Records", "Golfer's Game Stats", "lvGolfer",
     "ID|Golfer|Age|Address|City|Home Club", "ID|Golfer|Age|Home Club|City", "&Report",
     "Select a Golfer to review", "D2"},
    {"mnuRptStrokeStats", "Review Golfer Stroke Averages", "Golfer's Stroke Averages", "lvGolfer",
     "ID|Golfer|Age|Address|City|Home Club", "ID|Golfer|Age|Home Club|City", "&Report",
     "Select a Golfer to review", "D1"},
    {"mnuAddScoreCards", "Print Score Cards", "Print Score Card / Datasheet", "lvClub",
     "ID|Club / Course|Tees|Par", "ID|Club / Course|Tees|Par", "&Select",
     "Select the Course you want to print the score sheet for. ", "C3"},
};

QString Headers(frmReview* screen) {
    QStringList headers;
    for (int c = 0; c < screen->lvList->columnCount(); ++c) {
        headers << screen->lvList->headerItem()->text(c);
    }
    return headers.join('|');
}

QString Captions(frmReview* screen) {
    QStringList captions;
    for (QLabel* caption : screen->lblCaption) {
        captions << caption->text();
    }
    return captions.join('|');
}

QString Shown(frmReview* screen) {
    QStringList shown;
    for (QLabel* field : screen->txtField) {
        shown << field->text();
    }
    return shown.join('|');
}

TEST_F(ReviewTest, EachMenuCommandOpensItsScreenWithItsCaptionsListAndFields) {
    for (const ScreenFacts& facts : kScreens) {
        SCOPED_TRACE(facts.command);
        frmReview* screen = Open(facts.command);
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->windowTitle(), facts.caption);
        EXPECT_EQ(screen->lblHeading->text(), facts.heading);
        EXPECT_EQ(screen->lblHeading->font().family(), "Comic Sans MS");
        EXPECT_EQ(screen->lblProduct->text(), "The Parlow's Log");
        EXPECT_EQ(screen->lvList->objectName(), facts.list);
        EXPECT_EQ(Headers(screen), facts.headers);
        EXPECT_EQ(Captions(screen), facts.fields);
        EXPECT_EQ(screen->cmdReport->text(), facts.button);
        EXPECT_EQ(screen->cmdClear->text(), "&Clear");
        EXPECT_EQ(screen->cmdExit->text(), "e&Xit");
        const bool golfers = QString(facts.list) == "lvGolfer";
        EXPECT_EQ(screen->opt18 != nullptr, golfers);
        if (golfers) {
            EXPECT_TRUE(screen->opt18->isChecked());
            EXPECT_EQ(screen->opt9->text(), "9 Hole Games");
            EXPECT_EQ(screen->lvList->topLevelItemCount(), 3);
        }
        EXPECT_TRUE(Shown(screen).remove('|').isEmpty());
    }
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(ReviewTest, AGameRowFillsTheFieldsWithTheNetScoreUnderScoreAndTheGrossApart) {
    frmReview* screen = Open("mnuRptGames");
    ClickRow(screen, "G2");
    EXPECT_EQ(Shown(screen), "G2|5/18/2024|Ann Lee|Augusta National|67|White|77");
    // Enter copies the row that has the focus.
    screen->lvList->setCurrentItem(Row(screen, "G5"));
    PressEnter(screen->lvList);
    EXPECT_EQ(Shown(screen), "G5|5/18/2024|Bob Ray|Pine Valley|26|White|36");
    EXPECT_TRUE(prompts.Shown().empty());
}

// The list reads only the columns it shows, yet lists what the full game
// read lists, in its order: every game of a stored golfer.
TEST_F(ReviewTest, TheGameListShowsTheGamesOfTheFullGameReadInItsOrder) {
    folder.Exec("UPDATE tblGames SET GolferID = 'D99' WHERE GameID = 'G3'");
    frmReview* screen = Open("mnuRptGames");
    zeviza::Putt putt(folder.Path());
    auto games = putt.LoadDeleteGame();
    ASSERT_NE(games, nullptr);
    QStringList expected;
    for (; !games->Eof(); games->MoveNext()) {
        QStringList row;
        for (const char* column :
             {"GameID", "FullName", "PlayDate", "Club", "GrossScore", "NetScore", "Tees"}) {
            row << QString::fromStdString(games->Field(column).ToText());
        }
        row[2] = parlow::reports::ShownDate(row[2]);
        expected << row.join('|');
    }
    QStringList listed;
    for (int r = 0; r < screen->lvList->topLevelItemCount(); ++r) {
        QStringList row;
        for (int c = 0; c < screen->lvList->columnCount(); ++c) {
            row << screen->lvList->topLevelItem(r)->text(c);
        }
        listed << row.join('|');
    }
    EXPECT_EQ(listed, expected);
    EXPECT_FALSE(listed.join(' ').contains("G3|"));
    EXPECT_EQ(putt.LoadGameReview()->Columns(),
              (std::vector<std::string>{"GameID", "FullName", "PlayDate", "Club", "GrossScore",
                                        "NetScore", "Tees"}));
}

// A stored date shows as month/day/year; anything that is not a real date
// shows as it is stored rather than as a made-up one.
TEST(ReviewListDates, RealDatesShowMonthDayYearAndAnythingElseAsStored) {
    const std::pair<const char*, const char*> cases[] = {
        {"2024-05-18 00:00:00", "5/18/2024"},
        {"2024-12-01", "12/1/2024"},
        {"2000-01-09 13:45:00", "1/9/2000"},
        {"2024-02-29 00:00:00", "2/29/2024"},
        {"2023-02-29 00:00:00", "2023-02-29 00:00:00"},
        {"2024-13-01", "2024-13-01"},
        {"2024-5-18 00:00:00", "2024-5-18 00:00:00"},
        {"20x4-05-18", "20x4-05-18"},
        {"", ""},
    };
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(parlow::reports::ShownDate(stored), shown) << stored;
    }
}

TEST_F(ReviewTest, ReportWithoutAChosenRowWarnsAlsoAfterClearWithTheRowStillHighlighted) {
    for (const ScreenFacts& facts : kScreens) {
        SCOPED_TRACE(facts.command);
        frmReview* screen = Open(facts.command);
        ASSERT_NE(screen, nullptr);
        prompts.Clear();
        Click(screen->cmdReport);
        ClickRow(screen, facts.someRow);
        EXPECT_FALSE(Shown(screen).remove('|').isEmpty());
        Click(screen->cmdClear);
        EXPECT_TRUE(Row(screen, facts.someRow)->isSelected());
        EXPECT_TRUE(Shown(screen).remove('|').isEmpty());
        Click(screen->cmdReport);
        ASSERT_EQ(prompts.Shown().size(), 2u);
        for (const zeviza::Box& box : prompts.Shown()) {
            EXPECT_EQ(box.text, facts.missing);
            EXPECT_EQ(box.icon, zeviza::Icon::Warning);
            EXPECT_EQ(box.buttons, zeviza::Buttons::Ok);
            EXPECT_EQ(box.title, "Parlow's Log");
        }
    }
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ReviewTest, NineHoleReportsInADatabaseOfEighteenHoleGamesOnlyWarnForEveryGolfer) {
    folder.Exec("DELETE FROM tblGames WHERE Holes = 9");
    for (const char* command : {"mnuRptHistory", "mnuRptGolferStats", "mnuRptStrokeStats"}) {
        frmReview* screen = Open(command);
        for (const char* golfer : {"D1", "D2"}) {
            SCOPED_TRACE(std::string(command) + " " + golfer);
            prompts.Clear();
            ClickRow(screen, golfer);
            Click(screen->opt9);
            Click(screen->cmdReport);
            ASSERT_EQ(prompts.Shown().size(), 1u);
            EXPECT_EQ(prompts.Last().text, "No 9 hole Game records were found! ");
            EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Warning);
            EXPECT_TRUE(screen->opt9->isChecked());  // the choice stays for another try
        }
        // Clear puts the screen back on 18-hole games.
        Click(screen->cmdClear);
        EXPECT_TRUE(screen->opt18->isChecked());
    }
    EXPECT_TRUE(Reports().empty());
}

TEST_F(ReviewTest, AGolferWithoutGamesOfThatLengthGetsAnEmptyReportWhileAnotherHasSome) {
    // Bob Ray has played 9-hole games only; Ann Lee has 18-hole games.
    const std::pair<const char*, const char*> reports[] = {
        {"mnuRptHistory", "The Parlow's Log - 18 Hole Games Datasheet"},
        {"mnuRptGolferStats", "The Parlow's Log - 18 Hole Games Stats"},
        {"mnuRptStrokeStats", "The Parlow's Log - 18 Hole Games"},
    };
    for (const auto& [command, caption] : reports) {
        SCOPED_TRACE(command);
        frmReview* screen = Open(command);
        ClickRow(screen, "D2");
        Click(screen->cmdReport);
        EXPECT_TRUE(prompts.Shown().empty());
        ASSERT_FALSE(Reports().empty());
        EXPECT_EQ(Reports().back()->windowTitle(), caption);
        EXPECT_EQ(Reports().back()->property(parlow::reports::kValuesProperty).toStringList(),
                  QStringList{"D2"});
    }
    auto& environment = parlow::reports::ReportEnvironment();
    EXPECT_TRUE(environment.Result("cmdGames18Hist_Grouping")->rows.IsEmpty());
    EXPECT_TRUE(environment.Result("cmd18ScoreStats")->rows.IsEmpty());
    zeviza::RecordSet stats = environment.Result("cmdStats18")->rows;
    ASSERT_EQ(stats.RecordCount(), 1u);
    EXPECT_EQ(stats.Field("StrokeAvg").ToDouble(), 0.0);
}

TEST_F(ReviewTest, ReportingASecondGameClosesTheFirstGamesWindowFirst) {
    frmReview* screen = Open("mnuRptGames");
    ClickRow(screen, "G1");
    Click(screen->cmdReport);
    ASSERT_EQ(Reports().size(), 1u);
    QPointer<QMdiSubWindow> first = Reports().front();
    auto firstData = parlow::reports::ReportEnvironment().Result("cmdGameStats");

    ClickRow(screen, "G4");
    Click(screen->cmdReport);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(firstData->rows.IsOpen());
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports().front()->windowTitle(), "The Parlow's Log - Individual Game Stats");
    EXPECT_EQ(Reports().front()->property(parlow::reports::kValuesProperty).toStringList(),
              (QStringList{"Ann Lee", "G4"}));
    // Another kind of report leaves the game datasheet open.
    frmReview* clubs = Open("mnuRptClubs");
    ClickRow(clubs, "C2");
    Click(clubs->cmdReport);
    EXPECT_EQ(Reports().size(), 2u);
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(ReviewTest, ShutDownReleasesTheReportConnectionWithItsResultsAndWindows) {
    frmReview* screen = Open("mnuRptHistory");
    ClickRow(screen, "D1");
    Click(screen->cmdReport);
    auto history = parlow::reports::ReportEnvironment().Result("cmdGames18Hist_Grouping");
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(parlow::reports::ReportEnvironment().IsConnected());
    QPointer<QMdiSubWindow> window = Reports().front();

    parlow::ReleaseEverything();
    Settle();
    EXPECT_FALSE(history->rows.IsOpen());
    EXPECT_FALSE(history->children.at(0).IsOpen());
    EXPECT_TRUE(window.isNull());
    // A later first use starts a new environment, not yet connected.
    EXPECT_FALSE(parlow::reports::ReportEnvironment().IsConnected());
    EXPECT_EQ(parlow::reports::ReportEnvironment().Result("cmdGames18Hist_Grouping"), nullptr);
}

TEST_F(ReviewTest, OnTheScoreSheetScreenACharacterKeyCopiesTheRowSelectedAtThatMoment) {
    frmReview* cards = Open("mnuAddScoreCards");
    cards->lvList->setFocus();
    cards->lvList->setCurrentItem(Row(cards, "C2"));
    TypeKeys(cards->lvList, "c3");
    Settle();
    EXPECT_EQ(Shown(cards), "C2|Augusta National|White|72");
    // The keys only copy: the selection does not jump to the row "C3".
    EXPECT_EQ(cards->lvList->currentItem(), Row(cards, "C2"));
    PressKey(cards->lvList, Qt::Key_Down);
    EXPECT_EQ(Shown(cards), "C2|Augusta National|White|72");
    TypeKeys(cards->lvList, "Q");
    Settle();
    EXPECT_EQ(Shown(cards), "C1|Pine Valley|White|72");

    // Elsewhere only Enter or a click copies.
    frmReview* clubs = Open("mnuRptClubs");
    clubs->lvList->setFocus();
    clubs->lvList->setCurrentItem(Row(clubs, "C2"));
    TypeKeys(clubs->lvList, "p");
    Settle();
    EXPECT_TRUE(Shown(clubs).remove('|').isEmpty());
}

TEST_F(ReviewTest, EveryReportReachesItsPreviewWithTheRightCaptionAndRecordWithoutWriting) {
    struct Case {
        const char* command;
        const char* row;
        bool nine;
        const char* layout;
        const char* caption;
        QStringList values;
    };
    const Case cases[] = {
        {"mnuRptGames",
         "G3",
         false,
         "rptGameStats",
         "The Parlow's Log - Individual Game Stats",
         {"Ann Lee", "G3"}},
        {"mnuRptClubs", "C1", false, "rptClubData", "The Parlow's Log - Club Profile", {"C1"}},
        {"mnuAddScoreCards", "C2", false, "rptScoreCard", "The Parlow's Log", {"C2"}},
        {"mnuRptHistory",
         "D1",
         false,
         "rptGames18Hist",
         "The Parlow's Log - 18 Hole Games Datasheet",
         {"D1"}},
        {"mnuRptHistory",
         "D2",
         true,
         "rptGames9Hist",
         "The Parlow's Log - 9 Hole Games Datasheet",
         {"D2"}},
        {"mnuRptGolferStats",
         "D1",
         false,
         "rptGolfer18Stats",
         "The Parlow's Log - 18 Hole Games Stats",
         {"D1"}},
        {"mnuRptGolferStats",
         "D1",
         true,
         "rptGolfer9Stats",
         "The Parlow's Log - 9 Hole Game Stats",
         {"D1"}},
        {"mnuRptStrokeStats",
         "D1",
         false,
         "rptScore18Stats",
         "The Parlow's Log - 18 Hole Games",
         {"D1"}},
        {"mnuRptStrokeStats",
         "D2",
         true,
         "rptScore9Stats",
         "The Parlow's Log - 9 Hole Games",
         {"D2"}},
    };
    const std::string before = testing_support::ReadFile(folder.Database());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        frmReview* screen = Open(c.command);
        ClickRow(screen, c.row);
        if (c.nine) {
            Click(screen->opt9);
        }
        Click(screen->cmdReport);
        QMdiSubWindow* report = Reports().back();
        EXPECT_EQ(report->windowTitle(), c.caption);
        EXPECT_EQ(report->property(parlow::reports::kLayoutProperty).toString(), c.layout);
        EXPECT_EQ(report->property(parlow::reports::kValuesProperty).toStringList(), c.values);
        EXPECT_EQ(report->mdiArea(), main->mdiArea());
        EXPECT_TRUE(screen->isVisible());  // the screen stays for the next report
    }
    EXPECT_EQ(Reports().size(), 9u);
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The report windows outlive the screen that opened them.
    frmReview* cards = Open("mnuAddScoreCards");
    Click(cards->cmdExit);
    EXPECT_EQ(main->Screens().Find("mnuAddScoreCards"), nullptr);
    EXPECT_EQ(Reports().size(), 9u);
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);
}

TEST_F(ReviewTest, HoleOptionsLightTheirOwnTextAndHeadersSortFiguresAndDates) {
    frmReview* screen = Open("mnuRptHistory");
    ShowAndActivate(main);
    screen->opt9->setFocus();
    Settle();
    auto colour = [](QRadioButton* option) {
        return option->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(colour(screen->opt9), QColor(0, 0, 255));
    EXPECT_FALSE(screen->opt9->font().bold());
    screen->opt18->setFocus();
    Settle();
    EXPECT_EQ(colour(screen->opt9), QColor(0, 0, 0));
    EXPECT_EQ(colour(screen->opt18), QColor(0, 0, 255));

    folder.Exec(
        "UPDATE tblGames SET PlayDate = '2023-12-01 00:00:00', GrossScore = 100 "
        "WHERE GameID = 'G3'");
    frmReview* games = Open("mnuRptGames");
    QHeaderView* header = games->lvList->header();
    auto firstId = [games] { return games->lvList->topLevelItem(0)->text(0); };
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + 5, header->height() / 2));
    EXPECT_EQ(firstId(), "G3");  // gross 100 before 77: figures, not texts
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    EXPECT_EQ(firstId(), "G3");  // ascending now: 12/1/2023 is the earliest date
    EXPECT_EQ(games->lvList->topLevelItem(0)->text(2), "12/1/2023");
}

}  // namespace
}  // namespace review_tests

namespace review_tests {
namespace {

// A report opens as large as the main window lets it from its place in the
// cascade, a page wide where there is room; the review screen's title bar
// stays in sight above it, so a click brings the screen back.
TEST_F(ReviewTest, AReportOpensLargeAndLeavesTheReviewScreensTitleInSight) {
    frmReview* screen = Open("mnuRptHistory");
    ClickRow(screen, "D1");
    Click(screen->cmdReport);
    ASSERT_EQ(Reports().size(), 1u);
    QMdiSubWindow* report = Reports().front();
    QMdiSubWindow* review = main->Screens().Find("mnuRptHistory");
    const QRect room = main->mdiArea()->viewport()->rect();
    EXPECT_TRUE(room.contains(report->geometry()));
    EXPECT_GE(report->height(), room.height() * 3 / 4);
    EXPECT_GE(report->width(), std::min(room.width() - report->x(), 800));
    const QRect reviewTitle(review->geometry().topLeft(), QSize(review->width(), 20));
    EXPECT_FALSE(report->geometry().intersects(reviewTitle));
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), report);
}

}  // namespace
}  // namespace review_tests

namespace review_tests {
namespace {

// A long list sizes its columns from every text, not from the first rows
// only: a long course name and an accented golfer's name far down the list
// are shown whole, as is every other cell.
TEST_F(ReviewTest, EveryCellOfALongListFitsItsColumnWhereverItStands) {
    folder.Exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1500) "
        "INSERT INTO tblGames (GameID, GolferID, FullName, PlayDate, Club, GrossScore, "
        "NetScore, Tees) SELECT 'G' || (100 + i), GolferID, FullName, PlayDate, Club, "
        "GrossScore, NetScore, Tees FROM tblGames, n WHERE GameID = 'G2'");
    folder.Exec(
        "UPDATE tblGames SET Club = 'WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW', "
        "FullName = 'Åsa Ægidius-Ðorđević Œuvre', Tees = 'Championship Black Tees' "
        "WHERE GameID = 'G1600'");
    frmReview* screen = Open("mnuRptGames");
    QTreeWidget* list = screen->lvList;
    ASSERT_GT(list->topLevelItemCount(), 1500);
    for (int c = 0; c < list->columnCount(); ++c) {  // a short figure's heading too
        EXPECT_GE(list->columnWidth(c), list->header()->sectionSizeHint(c)) << "column " << c;
    }
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        for (int c = 0; c < list->columnCount(); ++c) {
            const QModelIndex cell = list->model()->index(r, c);
            ASSERT_GE(list->columnWidth(c), list->sizeHintForIndex(cell).width())
                << "row " << r << " column " << c << ": " << cell.data().toString().toStdString();
        }
    }
}

}  // namespace
}  // namespace review_tests

// Pictures of the six review screens, each with a row chosen, and of one
// open report window, in the main window as the user sees them.
//
//   review_screenshots <folder>
#include "tests/reports/review/ReviewFixture.h"  // first: see there

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <cstdio>

namespace {

struct Drawer : review_tests::ReviewTest {
    void TestBody() override {}
    using ReviewTest::folder;
    using ReviewTest::Open;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: review_screenshots <folder>\n");
        return 2;
    }
    const QString out = argv[1];
    Drawer drawer;
    drawer.SetUp();
    drawer.folder.Exec(
        "UPDATE tblGolfer SET FullName = 'Zoë Ångström-O''Brien', Club = 'Königsberger "
        "Golfclub & Country' WHERE GolferID = 'D2'");
    drawer.folder.Exec(
        "UPDATE tblGames SET FullName = 'Zoë Ångström-O''Brien' WHERE GolferID = "
        "'D2'");
    const std::pair<const char*, const char*> screens[] = {
        {"mnuRptGames", "G2"},       {"mnuRptClubs", "C1"},       {"mnuRptHistory", "D2"},
        {"mnuRptGolferStats", "D1"}, {"mnuRptStrokeStats", "D1"}, {"mnuAddScoreCards", "C2"}};
    bool saved = true;
    for (const auto& [command, row] : screens) {
        auto* screen = drawer.Open(command);
        if (screen == nullptr) {
            return 1;
        }
        Drawer::ShowAndActivate(drawer.main);
        Drawer::ClickRow(screen, row);
        QMdiSubWindow* window = drawer.main->Screens().Find(command);
        window->resize(window->sizeHint());
        drawer.main->mdiArea()->setActiveSubWindow(window);
        Drawer::Settle();
        saved &= window->grab().save(out + "/review-" + screen->objectName() + ".png");
        if (std::string(command) == "mnuRptStrokeStats") {
            screen->opt9->setFocus();
        }
    }
    auto* games = drawer.Open("mnuRptGames");
    Drawer::ClickRow(games, "G2");
    Drawer::Click(games->cmdReport);
    drawer.main->showMaximized();
    Drawer::Settle();
    saved &= drawer.main->grab().save(out + "/review-main-with-report.png");
    drawer.main->mdiArea()->tileSubWindows();
    Drawer::Settle();
    saved &= drawer.main->grab().save(out + "/review-main-tiled.png");
    std::printf("%s\n", saved ? "saved" : "not saved");
    return saved ? 0 : 1;
}

// Pictures of the trends screen and of a chart window over a longer log, in
// the main window as the user sees them, and the charts as saved.
//
//   trend_screenshots <folder>
#include "tests/reports/trends/TrendFixture.h"  // first: see there

#include <algorithm>
#include <cstdio>

namespace {

struct Drawer : trend_tests::TrendScreenTest {
    void TestBody() override {}

    // Forty more rounds of Ann's over the last two years, scores and greens
    // wandering as a golfer's do.
    void AddSeasons() {
        zeviza::Putt putt(folder.Path());
        const QDate start = QDate::currentDate().addYears(-2);
        for (int i = 0; i < 40; ++i) {
            const int over = 4 + (i * 7) % 9 - i / 8;
            writes_support::Game game = trend_tests::MakeGame(
                "G" + std::to_string(100 + i), "D1", "Ann Lee", trend_tests::kPine,
                trend_tests::ParScores(trend_tests::kPine, 18, std::max(over, 0)), i % 5);
            game.playDate = std::min(start.addDays(i * 17), QDate::currentDate())
                               .toString("yyyy-MM-dd 00:00:00")
                               .toStdString();
            game.Add(putt);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: trend_screenshots <folder>\n");
        return 2;
    }
    const QString out = argv[1];
    Drawer drawer;
    drawer.SetUp();
    drawer.AddSeasons();  // read when the charts open
    Drawer::ShowAndActivate(drawer.main);
    drawer.Choose("D1");
    drawer.screen->optAll->setChecked(true);
    QMdiSubWindow* window = drawer.main->Screens().Find("mnuRptTrends");
    window->resize(window->sizeHint());
    Drawer::Settle();
    bool saved = window->grab().save(out + "/trends-screen.png");
    Drawer::Click(drawer.screen->cmdChart);
    drawer.main->showMaximized();
    Drawer::Settle();
    saved &= drawer.main->grab().save(out + "/trends-main-with-chart.png");
    if (parlow::reports::frmTrendChart* chart = drawer.Chart()) {
        saved &= chart->SaveTo(out + "/trends-saved.png");
        saved &= chart->SaveTo(out + "/trends-saved.pdf");
    } else {
        saved = false;
    }
    std::printf("%s\n", saved ? "saved" : "not saved");
    return saved ? 0 : 1;
}

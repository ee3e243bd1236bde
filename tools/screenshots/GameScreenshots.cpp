// Pictures of the game entry and removal screens as the main window shows
// them, each in a sub-window at the size it opens with, filled with a
// sample round.
//
//   game_screenshots <folder>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "games/frmAddGame.h"
#include "games/frmDeleteGame.h"
#include "tests/games/GameScreenSupport.h"
#include "tests/support/gui/ScreenPicture.h"

namespace game_tests {
namespace {

// The helpers of the screen tests, without a test around them.
struct Typist : GameScreenTest {
    void TestBody() override {}
    using GameScreenTest::ChooseCourse;
    using GameScreenTest::ChooseGolfer;
    using GameScreenTest::ClickRow;
    using GameScreenTest::StoreGame;
    using GameScreenTest::TypeRound;
    const std::filesystem::path& Folder() const { return folder.Path(); }
};

// The main window at the size of a 1280x800 desktop.
bool Picture(QWidget* screen, const std::function<void()>& fill, const QString& file) {
    return testing_support::SaveScreenPicture(screen, fill, file, QSize(1280, 770));
}

}  // namespace
}  // namespace game_tests

int main(int argc, char** argv) {
    using namespace game_tests;
    using namespace parlow::games;
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: game_screenshots <folder>\n");
        return 2;
    }
    const QString out = argv[1];
    Typist typist;  // a fresh program folder, golfers and courses, prompts that answer
    std::filesystem::create_directories(typist.Folder() / "images");
    std::filesystem::copy_file(PARLOW_SOURCE_DIR "/assets/images/kw-logo02.gif",
                               typist.Folder() / "images" / "kw-logo02.gif");
    for (int game = 1; game <= 12; ++game) {
        typist.StoreGame("G" + std::to_string(game), game % 3 == 0 ? kZoe : kAnn, game % 5, game);
    }

    auto* add = new frmAddGame;
    bool saved = Picture(
        add,
        [&] {
            Typist::ChooseCourse(*add, kPineHollow);
            Typist::ChooseGolfer(*add, "Zoë Łukasiewicz");
            Typist::TypeRound(*add, FullRound());
            add->txtBox[0]->setFocus();
        },
        out + "/game-entry.png");

    auto* remove = new frmDeleteGame;
    saved &= Picture(
        remove, [&] { Typist::ClickRow(remove->lvGame, 2); }, out + "/game-removal.png");
    std::printf("%s\n", saved ? "saved" : "not saved");
    return saved ? 0 : 1;
}

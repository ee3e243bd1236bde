// Pictures of the three golfer screens as the main window shows them, each
// in a sub-window at the size it opens with, filled with a sample golfer.
//
//   golfer_screenshots <folder>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

#include "golfers/frmAddGolfer.h"
#include "golfers/frmDeleteGolfer.h"
#include "golfers/frmEditGolfer.h"
#include "tests/golfers/GolferScreenSupport.h"
#include "tests/support/gui/ScreenPicture.h"
#include "ui/ProgramState.h"
#include "ui/modGlobal.h"

namespace golfer_tests {
namespace {

// The helpers of the screen tests, without a test around them.
struct Typist : GolferScreenTest {
    void TestBody() override {}
    using GolferScreenTest::InsertGolfer;
    using GolferScreenTest::TypeGolfer;
};

}  // namespace
}  // namespace golfer_tests

int main(int argc, char** argv) {
    using namespace golfer_tests;
    using namespace parlow::golfers;
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: golfer_screenshots <folder>\n");
        return 2;
    }
    const QString out = argv[1];
    Typist typist;  // a fresh program folder, and prompts that answer by themselves
    typist.InsertGolfer("D2", "Walter", "Hagen");
    typist.InsertGolfer("D4", "Babe", "Zaharias");
    {
        frmAddGolfer add;
        Typist::ShowAndActivate(&add);
        Typist::TypeGolfer(add.form, Sample());
        Typist::Click(add.form->cmdSave);
    }

    auto* add = new frmAddGolfer;
    bool saved = testing_support::SaveScreenPicture(
        add, [&] { Typist::TypeGolfer(add->form, Sample()); }, out + "/golfer-entry.png");

    auto* edit = new frmEditGolfer;
    saved &= testing_support::SaveScreenPicture(
        edit,
        [&] {
            Typist::ChooseEntry(edit->cboGolfer,
                                edit->cboGolfer->findText("Zoë", Qt::MatchStartsWith));
            edit->form->txtBox[kFirstName]->setFocus();
        },
        out + "/golfer-edit.png");

    auto* remove = new frmDeleteGolfer;
    saved &= testing_support::SaveScreenPicture(
        remove,
        [&] {
            auto rows = remove->lvGolfer->findItems("Zoë", Qt::MatchStartsWith, 1);
            if (!rows.isEmpty()) {
                remove->lvGolfer->setCurrentItem(rows.front());
                emit remove->lvGolfer->itemClicked(rows.front(), 0);
            }
        },
        out + "/golfer-removal.png");
    std::printf("%s\n", saved ? "saved" : "not saved");
    return saved ? 0 : 1;
}

// One golfer's life through all three screens, checked in the database file.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "golfers/frmAddGolfer.h"
#include "golfers/frmDeleteGolfer.h"
#include "golfers/frmEditGolfer.h"
#include "tests/golfers/GolferScreenSupport.h"

namespace golfer_tests {
namespace {

using namespace parlow::golfers;
using zeviza::Answer;

TEST_F(GolferScreenTest, EnterEditAndRemoveAGolfer) {
    {
        frmAddGolfer add;
        ShowAndActivate(&add);
        TypeGolfer(add.form, Sample());
        prompts.Answer(Answer::No);
        Click(add.form->cmdSave);
    }
    EXPECT_EQ(Stored("LName", "D2"), "O'Brien \"Ace\" 李");
    {
        frmEditGolfer edit;
        ShowAndActivate(&edit);
        ChooseEntry(edit.cboGolfer, 0);
        Settle();
        Type(edit.form->txtBox[kLastName], "Ng");
        prompts.Answer(Answer::No);
        Click(edit.form->cmdSave);
    }
    EXPECT_EQ(Stored("FullName", "D2"), "Zoë D'Arcy Ng");
    EXPECT_EQ(Stored("FName", "D2"), "Zoë");
    {
        frmDeleteGolfer remove;
        ShowAndActivate(&remove);
        ASSERT_EQ(remove.lvGolfer->topLevelItemCount(), 1);
        EXPECT_EQ(remove.lvGolfer->topLevelItem(0)->text(1), "Zoë D'Arcy Ng");
        ClickRow(remove.lvGolfer, remove.lvGolfer->topLevelItem(0));
        prompts.Answer(Answer::Yes);
        Click(remove.cmdRemove);
        EXPECT_EQ(LastText(), "Golfer Record Removed");
    }
    EXPECT_EQ(Golfers(), 0);
}

}  // namespace
}  // namespace golfer_tests

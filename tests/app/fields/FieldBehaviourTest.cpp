#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "FieldBehaviour.h"
#include "GuiTest.h"

namespace {

using testing_support::GuiTest;

// A small screen: three captioned fields, a Save button and a record list.
struct SmallScreen : QWidget {
    QLabel* captions[3];
    QLineEdit* fields[3];
    QPushButton* save = new QPushButton("&Save", this);
    QTreeWidget* list = new QTreeWidget(this);
    int saves = 0;
    QString chosen;
    parlow::FieldBehaviour* behaviour;

    SmallScreen() {
        auto* layout = new QVBoxLayout(this);
        std::vector<parlow::FieldEntry> table;
        for (int i = 0; i < 3; ++i) {
            captions[i] = new QLabel(QString("Field %1").arg(i), this);
            fields[i] = new QLineEdit(this);
            layout->addWidget(captions[i]);
            layout->addWidget(fields[i]);
            table.push_back({fields[i], captions[i]});
        }
        layout->addWidget(save);
        layout->addWidget(list);
        list->setHeaderLabels({"Key", "Name"});
        for (const char* name : {"b", "c", "a"}) {
            list->addTopLevelItem(new QTreeWidgetItem({QString("K") + name, QString(name)}));
        }
        QObject::connect(save, &QPushButton::clicked, [this] { ++saves; });
        behaviour = new parlow::FieldBehaviour(this, table, save);
        behaviour->AddRecordList(list, [this](QTreeWidgetItem* item) { chosen = item->text(0); });
    }
    int LitCount() const {
        int lit = 0;
        for (auto* caption : captions) {
            lit += GuiTest::IsLit(caption) ? 1 : 0;
        }
        return lit;
    }
};

class FieldBehaviourTest : public GuiTest {
  protected:
    FieldBehaviourTest() { ShowAndActivate(&screen); }
    SmallScreen screen;
};

TEST_F(FieldBehaviourTest, AtMostOneCaptionLightsWhileMovingThroughTheFields) {
    for (int i = 0; i < 3; ++i) {
        screen.fields[i]->setFocus();
        Settle();
        EXPECT_TRUE(IsLit(screen.captions[i])) << i;
        EXPECT_EQ(screen.LitCount(), 1);
    }
    screen.save->setFocus();
    Settle();
    EXPECT_EQ(screen.LitCount(), 0);
}

TEST_F(FieldBehaviourTest, EnterWalksTheOrderLandsOnSaveThenPressesIt) {
    Type(screen.fields[0], "abc");
    PressEnter(&screen);
    EXPECT_EQ(Focused(), screen.fields[1]);
    EXPECT_EQ(screen.fields[0]->text(), "abc");  // nothing inserted by Enter
    PressEnter(&screen);
    PressEnter(&screen);
    EXPECT_EQ(Focused(), screen.save);
    EXPECT_EQ(screen.saves, 0);
    PressEnter(&screen);
    EXPECT_EQ(screen.saves, 1);
}

TEST_F(FieldBehaviourTest, HeaderClicksSortDescendingThenAscendingAndRowsAreChosen) {
    auto firstColumn = [&] {
        QStringList keys;
        for (int i = 0; i < screen.list->topLevelItemCount(); ++i) {
            keys << screen.list->topLevelItem(i)->text(1);
        }
        return keys.join("");
    };
    EXPECT_EQ(firstColumn(), "bca");  // read order until the first click
    emit screen.list->header()->sectionClicked(1);
    EXPECT_EQ(firstColumn(), "cba");
    emit screen.list->header()->sectionClicked(1);
    EXPECT_EQ(firstColumn(), "abc");
    emit screen.list->header()->sectionClicked(0);
    EXPECT_EQ(firstColumn(), "cba");

    screen.list->setFocus();
    screen.list->setCurrentItem(screen.list->topLevelItem(2));
    PressEnter(screen.list);
    EXPECT_EQ(screen.chosen, "Ka");
}

}  // namespace

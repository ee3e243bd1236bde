#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "tests/support/gui/GuiTest.h"
#include "ui/fields/FieldBehaviour.h"

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

// The list refilled with one row per text, in the order given.
void Refill(QTreeWidget* list, const QStringList& names) {
    list->clear();
    for (const QString& name : names) {
        list->addTopLevelItem(new QTreeWidgetItem({"K" + name, name}));
    }
}

QStringList Column(const QTreeWidget* list, int column) {
    QStringList cells;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        cells << list->topLevelItem(i)->text(column);
    }
    return cells;
}

TEST_F(FieldBehaviourTest, HeaderSortPutsNamesAndNumbersInTheOrderAReaderExpects) {
    struct Case {
        QStringList read;
        QStringList ascending;
    };
    const Case cases[] = {
        {{"Zoë", "smith", "Émile", "abc", "Bob"}, {"abc", "Bob", "Émile", "smith", "Zoë"}},
        {{"Ezra", "Éa", "eb", "EC"}, {"Éa", "eb", "EC", "Ezra"}},
        {{"D10", "D2", "D1"}, {"D1", "D2", "D10"}},
        {{"10", "9", "-2.3", "70.4", "", "x"}, {"-2.3", "9", "10", "70.4", "", "x"}},
        {{"nan", "2", "Inf", "-1"}, {"-1", "2", "Inf", "nan"}},
    };
    for (const Case& c : cases) {
        Refill(screen.list, c.read);
        emit screen.list->header()->sectionClicked(1);  // descending first
        QStringList descending = c.ascending;
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(Column(screen.list, 1), descending) << c.read.join(",").toStdString();
        emit screen.list->header()->sectionClicked(1);
        EXPECT_EQ(Column(screen.list, 1), c.ascending) << c.read.join(",").toStdString();
    }
}

TEST_F(FieldBehaviourTest, SortingKeepsTheChosenRowAndEqualRowsInReadOrder) {
    Refill(screen.list, {"b", "B", "a", "b"});
    screen.list->topLevelItem(0)->setText(0, "first b");
    screen.list->setCurrentItem(screen.list->topLevelItem(1));  // "B"
    emit screen.list->header()->sectionClicked(1);
    EXPECT_EQ(Column(screen.list, 0), QStringList({"first b", "KB", "Kb", "Ka"}));
    EXPECT_EQ(screen.list->currentItem()->text(1), "B");
    EXPECT_TRUE(screen.list->currentItem()->isSelected());
}

TEST_F(FieldBehaviourTest, ARefilledListDropsItsArrowAndTheNextClickKeepsReversing) {
    QHeaderView* header = screen.list->header();
    emit header->sectionClicked(1);
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    Refill(screen.list, {"b", "c", "a"});
    EXPECT_FALSE(header->isSortIndicatorShown());
    EXPECT_EQ(Column(screen.list, 1), QStringList({"b", "c", "a"}));

    emit header->sectionClicked(1);
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(Column(screen.list, 1), QStringList({"a", "b", "c"}));
    screen.list->addTopLevelItem(new QTreeWidgetItem({"K0", "0"}));
    EXPECT_FALSE(header->isSortIndicatorShown());
}

TEST_F(FieldBehaviourTest, AStoredTextShowsFromItsStartWhileTypingKeepsTheCursorAtTheEnd) {
    const QString longName = "Maximilian Alexander Fitzgerald-Worthington of Kensington";
    screen.fields[1]->setMaximumWidth(80);
    screen.fields[0]->setFocus();
    Settle();
    screen.fields[1]->setText(longName);
    EXPECT_EQ(screen.fields[1]->cursorPosition(), 0);

    Type(screen.fields[1], "abc");
    EXPECT_EQ(screen.fields[1]->cursorPosition(), 3);
}

// A combo list among the fields: its caption stays lit while its own list
// is open, and goes out when the focus moves on.
struct ComboScreen : QWidget {
    QLabel* caption = new QLabel("State", this);
    QComboBox* combo = new QComboBox(this);
    QLabel* otherCaption = new QLabel("Other", this);
    QLineEdit* other = new QLineEdit(this);
    QPushButton* save = new QPushButton("&Save", this);
    ComboScreen() {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* widget :
             std::initializer_list<QWidget*>{caption, combo, otherCaption, other, save}) {
            layout->addWidget(widget);
        }
        combo->addItems({"OH - Ohio", "ON - Ontario"});
        new parlow::FieldBehaviour(this, {{combo, caption}, {other, otherCaption}}, save);
    }
};

TEST(FieldBehaviourPopupTest, ACaptionStaysLitWhileItsFieldsListIsOpen) {
    for (bool editable : {false, true}) {
        ComboScreen screen;
        screen.combo->setEditable(editable);
        GuiTest::ShowAndActivate(&screen);
        screen.combo->setFocus();
        GuiTest::Settle();
        ASSERT_TRUE(GuiTest::IsLit(screen.caption)) << editable;
        screen.combo->showPopup();
        GuiTest::Settle();
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(GuiTest::IsLit(screen.caption)) << editable;
        screen.combo->hidePopup();
        GuiTest::Settle();
        EXPECT_TRUE(GuiTest::IsLit(screen.caption)) << editable;
        screen.other->setFocus();
        GuiTest::Settle();
        EXPECT_FALSE(GuiTest::IsLit(screen.caption)) << editable;
        EXPECT_TRUE(GuiTest::IsLit(screen.otherCaption)) << editable;
    }
}

}  // namespace

namespace {

// Which way the sort arrow drawn over the column points: the wide end of a
// triangle pointing up is at its bottom.
enum class Arrow { Up, Down, None };

Arrow DrawnArrow(QHeaderView* header, int column) {
    const QImage image = header->grab().toImage();
    const int left = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    const int right = header->sectionViewportPosition(column) + header->sectionSize(column);
    int top = image.height();
    int bottom = -1;
    std::vector<int> widths(static_cast<std::size_t>(image.height()), 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right && x < image.width(); ++x) {
            if (QColor(image.pixel(x, y)).lightness() < 140) {
                ++widths[static_cast<std::size_t>(y)];
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (bottom <= top) {
        return Arrow::None;
    }
    const int upper = widths[static_cast<std::size_t>(top)];
    const int lower = widths[static_cast<std::size_t>(bottom)];
    return upper < lower ? Arrow::Up : upper > lower ? Arrow::Down : Arrow::None;
}

TEST_F(FieldBehaviourTest, TheSortArrowPointsUpOverAnAscendingList) {
    QHeaderView* header = screen.list->header();
    header->setStretchLastSection(false);
    header->resizeSection(0, 60);
    header->resizeSection(1, 120);
    emit header->sectionClicked(1);  // descending first
    Settle();
    ASSERT_EQ(Column(screen.list, 1), QStringList({"c", "b", "a"}));
    EXPECT_EQ(DrawnArrow(header, 1), Arrow::Down);
    emit header->sectionClicked(1);
    Settle();
    ASSERT_EQ(Column(screen.list, 1), QStringList({"a", "b", "c"}));
    EXPECT_EQ(DrawnArrow(header, 1), Arrow::Up);
}

}  // namespace

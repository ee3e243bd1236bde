// The label that shows a stored value: cut short with "…" and shown whole as
// its tooltip when narrow, never sized by its value.
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QToolTip>

#include "tests/support/gui/GuiTest.h"
#include "ui/fields/ValueLabel.h"

namespace {

using parlow::ValueLabel;
using testing_support::GuiTest;

const QString kLongName = "Maximilian Alexander Fitzgerald-Worthington of Kensington";

class ValueLabelTest : public GuiTest {
  protected:
    ValueLabelTest() {
        auto* layout = new QHBoxLayout(&screen);
        layout->addWidget(label);
        ShowAndActivate(&screen);
    }

    // The tooltip shown when the pointer rests on the label; an event left
    // unaccepted shows none.
    QString HoverTip() {
        QHelpEvent hover(QEvent::ToolTip, label->rect().center(),
                         label->mapToGlobal(label->rect().center()));
        QApplication::sendEvent(label, &hover);
        return hover.isAccepted() ? QToolTip::text() : QString();
    }

    QWidget screen;
    ValueLabel* label = new ValueLabel(&screen, 10);
};

TEST_F(ValueLabelTest, ALongValueEndsInAnEllipsisAndShowsWholeAsItsTooltip) {
    const QSize hint = label->sizeHint();
    label->setText(kLongName);
    Settle();
    EXPECT_EQ(label->sizeHint(), hint);  // the value never widens the screen
    EXPECT_EQ(label->text(), kLongName);
    ASSERT_TRUE(label->IsElided());
    EXPECT_TRUE(label->ShownText().endsWith(QChar(0x2026)));
    EXPECT_TRUE(kLongName.startsWith(label->ShownText().chopped(1)));
    EXPECT_EQ(HoverTip(), kLongName);

    screen.resize(label->fontMetrics().horizontalAdvance(kLongName) + 80, screen.height());
    Settle();
    EXPECT_FALSE(label->IsElided());
    EXPECT_EQ(label->ShownText(), kLongName);
    EXPECT_EQ(HoverTip(), "");
}

TEST_F(ValueLabelTest, ValuesShowAsPlainTextOnOneLine) {
    label->setText("<b>Al</b>");
    EXPECT_EQ(label->ShownText(), "<b>Al</b>");
    label->setText("Al\nLee");
    EXPECT_EQ(label->ShownText(), QString("Al") + QChar(0x2026));
    EXPECT_EQ(HoverTip(), "Al\nLee");
    label->clear();
    EXPECT_EQ(label->ShownText(), "");
    EXPECT_FALSE(label->IsElided());
}

}  // namespace

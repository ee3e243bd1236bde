// The game date typed as a user types it: in the locale's short form, key
// by key, every date goes in as typed and no odd year shows on the way.
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>

#include "tests/games/GameScreenSupport.h"

namespace {

using game_tests::GameScreenTest;

class GameDateScreenTest : public GameScreenTest {
  protected:
    GameDateScreenTest() {
        screen = std::make_unique<parlow::games::frmAddGame>();
        ShowAndActivate(screen.get());
    }
    // Types the text over the whole field, recording what it showed after each key.
    QStringList TypeDate(const QString& text) {
        QDateEdit* field = screen->datBox;
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        Settle();
        QStringList shown;
        for (const QChar c : text) {
            TypeKeys(field, QString(c));
            shown << field->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)->text();
        }
        PressKey(field, Qt::Key_Tab);
        return shown;
    }
    std::unique_ptr<parlow::games::frmAddGame> screen;
};

TEST_F(GameDateScreenTest, TypedDatesGoInAsTyped) {
    const std::vector<std::pair<QString, QDate>> dates = {
        {"12/10/2030", QDate(2030, 12, 10)}, {"01/05/2026", QDate(2026, 1, 5)},
        {"1/5/2026", QDate(2026, 1, 5)},     {"2/29/2028", QDate(2028, 2, 29)},
        {"7/4/24", QDate(2024, 7, 4)},       {"10/31/2025", QDate(2025, 10, 31)},
    };
    for (const auto& [typed, date] : dates) {
        const QStringList shown = TypeDate(typed);
        EXPECT_EQ(screen->datBox->date(), date)
            << typed.toStdString() << " became "
            << screen->datBox->date().toString("MM/dd/yyyy").toStdString();
        EXPECT_EQ(shown.back(), typed)
            << "the field shows what was typed: " << shown.join(" | ").toStdString();
        for (const QString& step : shown) {
            EXPECT_FALSE(step.contains("0000"))
                << typed.toStdString() << ": " << step.toStdString();
        }
        EXPECT_EQ(screen->datBox->text(), date.toString("MM/dd/yyyy")) << "once the field is left";
    }
}

TEST_F(GameDateScreenTest, AnImpossibleDateLeavesTheDateAsItWas) {
    screen->datBox->setDate(QDate(2026, 3, 1));
    for (const QString typed : {"2/30/2026", "13/1/2026", "1/1/1999", "12/10/203"}) {
        TypeDate(typed);
        EXPECT_EQ(screen->datBox->date(), QDate(2026, 3, 1)) << typed.toStdString();
        EXPECT_EQ(screen->datBox->text(), "03/01/2026") << typed.toStdString();
    }
}

}  // namespace

// The long lists' model sorts by a column in the reader's order the list
// views use, keeps equal rows in their order and lets the chosen row follow
// its record.
#include <QLocale>
#include <QPersistentModelIndex>
#include <QRegularExpression>
#include <algorithm>
#include <random>

#include "tests/support/gui/GuiTest.h"
#include "ui/fields/RecordTableModel.h"

namespace {

using parlow::ReaderOrder;
using parlow::RecordTableModel;

std::vector<QStringList> RowsOf(const QStringList& names) {
    std::vector<QStringList> rows;
    for (const QString& name : names) {
        rows.push_back({"K" + QString::number(rows.size()), name});
    }
    return rows;
}

QStringList Column(const RecordTableModel& model, int column) {
    QStringList cells;
    for (int row = 0; row < model.rowCount(); ++row) {
        cells << model.Row(row).at(column);
    }
    return cells;
}

// The order the cells compare in one by one, as the sort compared them before
// it worked out a key per cell.
QStringList ComparedOneByOne(QStringList cells, Qt::SortOrder order) {
    const ReaderOrder reader;
    std::stable_sort(cells.begin(), cells.end(), [&](const QString& a, const QString& b) {
        return order == Qt::AscendingOrder ? reader.Less(a, b) : reader.Less(b, a);
    });
    return cells;
}

TEST(RecordTableModelTest, SortsInTheReadersOrderWhicheverWay) {
    const QStringList cases[] = {
        {"Zoë", "smith", "Émile", "abc", "Bob"},
        {"Ezra", "Éa", "eb", "EC"},
        {"D10", "D2", "D1"},
        {"10", "9", "-2.3", "70.4", "", "x"},
        {"nan", "2", "Inf", "-1"},
        {"b", "B", "a", "b", "10", "010", "ä", "A"},
    };
    RecordTableModel model({"Key", "Name"});
    for (const QStringList& cells : cases) {
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            model.SetRows(RowsOf(cells));
            model.sort(1, order);
            EXPECT_EQ(Column(model, 1), ComparedOneByOne(cells, order))
                << cells.join(",").toStdString() << " order " << order;
        }
    }
    model.SetRows(RowsOf({"Zoë", "smith", "Émile", "abc", "Bob"}));
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(Column(model, 1), QStringList({"abc", "Bob", "Émile", "smith", "Zoë"}));
}

TEST(RecordTableModelTest, EqualRowsKeepTheirOrderAndTheChosenRowFollowsItsRecord) {
    RecordTableModel model({"Key", "Name"});
    model.SetRows(RowsOf({"b", "c", "a", "b"}));
    const QPersistentModelIndex chosen = model.index(1, 0);  // "c"
    model.sort(1, Qt::DescendingOrder);
    EXPECT_EQ(Column(model, 0), QStringList({"K1", "K0", "K3", "K2"}));
    EXPECT_EQ(chosen.row(), 0);
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(Column(model, 0), QStringList({"K2", "K0", "K3", "K1"}));
    EXPECT_EQ(chosen.row(), 3);
}

// The order of a column is worked out once and kept: it still sorts from
// the order the rows stand in now, and rows filled again get their own.
TEST(RecordTableModelTest, ASortByAColumnSortedBeforeStartsFromTheRowsAsTheyStandNow) {
    RecordTableModel model({"Key", "Name"});
    model.SetRows(RowsOf({"b", "a", "b", "c"}));
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(Column(model, 0), QStringList({"K1", "K0", "K2", "K3"}));
    model.sort(0, Qt::DescendingOrder);
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(Column(model, 0), QStringList({"K1", "K2", "K0", "K3"}));
    EXPECT_EQ(model.Row(1), QStringList({"K2", "b"}));

    model.SetRows(RowsOf({"z", "Émile", "d"}));
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(Column(model, 1), QStringList({"d", "Émile", "z"}));
    model.SetRows({});
    model.sort(1, Qt::DescendingOrder);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(RecordTableModelTest, ADecimalCommaReadsAsANumberWhereTheUsersLocaleWritesOne) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    RecordTableModel model({"Key", "Average"});
    QLocale::setDefault(QLocale::system());
    model.SetRows(RowsOf({"x", "70,4", "9", "1.234,5"}));
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(Column(model, 1), QStringList({"9", "70,4", "1.234,5", "x"}));
}

// Identifiers ("G12", "d2x10") are ordered a run of letters and a run of
// digits at a time rather than through a collation key each; whatever the
// language, that must give the collator's own order. Lithuanian tells "i"
// from "y" only as an accent, which runs compared one at a time would miss.
TEST(RecordTableModelTest, IdentifiersSortAsTheCollatorOrdersThemInEveryLanguage) {
    std::mt19937 random(7);
    const QString characters = "aAbBcCgGhHiIjJyYzZ0123456789";
    QStringList identifiers = {"G1200a", "G1234", "g2", "G2", "G10", "ch1", "cz1", "h1", "y6",
                               "i58", "aa3", "z1"};
    while (identifiers.size() < 400) {
        QString text(characters[random() % 18]);  // a letter first
        for (int length = random() % 6; length > 0; --length) {
            text += characters[random() % characters.size()];
        }
        if (!QRegularExpression("(^|[^0-9])0[0-9]").match(text).hasMatch()) {
            identifiers << text;
        }
    }
    const QStringList withLeadingZero = identifiers + QStringList{"G02", "G2"};
    for (const char* language : {"en_US", "de_DE", "lt_LT", "cs_CZ", "da_DK", "tr_TR", "sv_SE"}) {
        QLocale::setDefault(QLocale(language));
        RecordTableModel model({"Key", "Identifier"});
        for (const QStringList& cells : {identifiers, withLeadingZero}) {
            model.SetRows(RowsOf(cells));
            model.sort(1, Qt::AscendingOrder);
            EXPECT_EQ(Column(model, 1), ComparedOneByOne(cells, Qt::AscendingOrder)) << language;
        }
        QLocale::setDefault(QLocale::system());
    }
}

}  // namespace

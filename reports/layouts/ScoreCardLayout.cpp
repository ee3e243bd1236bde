// The blank score sheet: the course's pars and handicap indexes, and empty
// boxes for everything the golfer writes down during the round.
#include "reports/layouts/LayoutBuilder.h"
#include "reports/layouts/LayoutBuilders.h"

namespace parlow::reports {

using namespace build;
using style::kRow;

namespace {

constexpr int kCheck = 150;  // a check box's side

void AddHeaderAndFooter(Layout& layout) {
    const int width = layout.width;
    Section& header = layout[Band::PageHeader];
    header.height = 1000;
    Add(header, {Caption(QRect(0, 0, width, 460), "The Parlow's Log Score Card & Datasheet",
                         Align::Centre, style::kTitle),
                 Caption(QRect(0, 560, 500, 300), "Date"), Line(520, 820, 3500, 820),
                 Caption(QRect(width - 4000, 560, 4000, 300), MakerAddress(), Align::Right,
                         style::kSmallPrint)});
    Section& footer = layout[Band::PageFooter];
    footer.height = 300;
    Add(footer, {Caption(QRect(width / 2 - 2000, 30, 4000, kRow), kVersionShort, Align::Centre)});
}

void AddCourseBlock(Section& detail) {
    AddPairs(detail, {0, 0, 800, 4200, Align::Left, 250},
             {{"Course", "ClubName"},
              {"Tees", "Tees"},
              {"Slope", "Slope", "0"},
              {"Rating", "Rating", "0.0"},
              {"Length", "Yards", "0"},
              {"Par", "CoursePar", "0"}});
    AddPairs(detail, {5600, 0, 1200, 800, Align::Left, 250},
             {{"Fairways", "Fways", "0"},
              {"Par 3 Holes", "Par3s", "0"},
              {"Par 4 Holes", "Par4s", "0"},
              {"Par 5 Holes", "Par5s", "0"}});
}

// Hole, par and handicap index of one nine, with a score cell split for
// gross and net strokes.
void AddHoleTable(Section& detail, int x, int top, int first, const QString& total) {
    constexpr int kColumn = 700;
    constexpr int kScoreWidth = 2900;
    constexpr int kHead = 260;
    constexpr int kSplitHead = 240;
    constexpr int kLine = 300;
    const int scoreX = x + 3 * kColumn;
    const int rowsTop = top + kHead + kSplitHead;
    const int bottom = rowsTop + 10 * kLine;
    const QString heads[] = {"Hole", "Par", "HCap"};
    for (int c = 0; c < 3; ++c) {
        Add(detail, {Caption(QRect(x + c * kColumn, top, kColumn, kHead + kSplitHead), heads[c],
                             Align::Centre),
                     Line(x + (c + 1) * kColumn, top, x + (c + 1) * kColumn, bottom)});
    }
    Add(detail, {Caption(QRect(scoreX, top, kScoreWidth, kHead), "Score", Align::Centre),
                 Caption(QRect(scoreX, top + kHead, kScoreWidth, kSplitHead), "Gross     Net",
                         Align::Centre),
                 Line(scoreX, top + kHead, scoreX + kScoreWidth, top + kHead),
                 Line(scoreX + kScoreWidth / 2, rowsTop, scoreX + kScoreWidth / 2, bottom)});
    int y = rowsTop;
    for (int hole = first; hole < first + 9; ++hole, y += kLine) {
        const std::string n = std::to_string(hole);
        Add(detail,
            {Caption(QRect(x, y, kColumn, kLine), QString::number(hole), Align::Centre),
             Field(QRect(x + kColumn, y, kColumn, kLine), "Par" + n, {}, Align::Centre),
             Field(QRect(x + 2 * kColumn, y, kColumn, kLine), "HCap" + n, {}, Align::Centre)});
    }
    Add(detail, {Caption(QRect(x, y, kColumn, kLine), total, Align::Centre),
                 Field(QRect(x + kColumn, y, kColumn, kLine), "Par" + total.toStdString(), {},
                       Align::Centre)});
    for (int lineY = rowsTop; lineY < bottom; lineY += kLine) {
        Add(detail, {Line(x, lineY, scoreX + kScoreWidth, lineY)});
    }
    Add(detail, {Box(QRect(x, top, 3 * kColumn + kScoreWidth, bottom - top), style::kRulePen)});
}

void AddTotalsAndPartners(Section& detail, int top) {
    constexpr int kHigh = 340;
    Add(detail,
        {Caption(QRect(0, top, 1200, kHigh), "Gross Score:", Align::Right),
         Box(QRect(1250, top, 1000, kHigh)),
         Caption(QRect(2400, top, 1000, kHigh), "Net Score:", Align::Right),
         Box(QRect(3450, top, 1000, kHigh)), Caption(QRect(4700, top, 1000, kHigh), "Long Drive:"),
         Box(QRect(5700, top, 1000, kHigh)),
         Caption(QRect(6800, top, 700, kHigh), "Yards", Align::Left, style::kBody)});
    const int partners = top + 550;
    Add(detail, {Caption(QRect(0, partners, 3000, 260), "Playing Partners", Align::Left,
                         style::kUnderlinedCaption),
                 Caption(QRect(3400, partners, 1000, 260), "Score", Align::Left,
                         style::kUnderlinedCaption)});
    for (int i = 1; i <= 3; ++i) {
        const int y = partners + 260 + i * 340;
        Add(detail, {Line(0, y, 3200, y), Box(QRect(3400, y - 280, 1000, 280))});
    }
}

// Putts, misses, sand saves and up-and-downs of one nine, a row per hole.
void AddHoleGrid(Section& detail, int top, int first) {
    struct Column {
        QString heading;
        int width;
        int checks;  // check boxes; 0 leaves space to write a number
    };
    const Column columns[] = {{"Hole", 500, 0},           {"Putts", 600, 0},
                              {"Putts L/R/S/L", 1400, 4}, {"Greens L/R/S/L", 1500, 4},
                              {"FWays L/R", 900, 2},      {"Sand Save", 900, 1},
                              {"Up/Down", 800, 1}};
    constexpr int kHead = 280;
    constexpr int kLine = 250;
    const int bottom = top + kHead + 9 * kLine;
    int x = 0;
    for (const Column& column : columns) {
        Add(detail, {Caption(QRect(x, top, column.width, kHead), column.heading, Align::Centre)});
        for (int hole = 0; hole < 9; ++hole) {
            const int y = top + kHead + hole * kLine;
            if (x == 0) {
                Add(detail, {Caption(QRect(0, y, column.width, kLine),
                                     QString::number(first + hole), Align::Centre)});
            }
            for (int c = 0; c < column.checks; ++c) {
                const int slot = column.width / column.checks;
                Add(detail, {Box(QRect(x + c * slot + (slot - kCheck) / 2, y + (kLine - kCheck) / 2,
                                       kCheck, kCheck))});
            }
        }
        x += column.width;
        Add(detail, {Line(x, top, x, bottom)});
    }
    for (int y = top + kHead; y < bottom; y += kLine) {
        Add(detail, {Line(0, y, x, y)});
    }
    Add(detail, {Box(QRect(0, top, x, bottom - top), style::kRulePen)});
}

void AddMiscStats(Section& detail, int x, int top) {
    Add(detail, {Caption(QRect(x, top, 2000, 280), "Misc Stats")});
    const QString counts[] = {"Aces",   "Dbl Eagles", "Eagles",      "Birdies",     "Pars",
                              "Bogies", "Dbl Bogies", "Trip Bogies", "Quad Bogies", "Others"};
    int y = top + 280;
    for (const QString& count : counts) {
        Add(detail, {Caption(QRect(x, y, 1500, 225), count, Align::Left, style::kBody),
                     Box(QRect(x + 1550, y + 20, 700, 185))});
        y += 225;
    }
}

}  // namespace

Layout ScoreCardLayout(const LayoutSettings& settings) {
    Layout layout = BareLayout(settings);
    AddHeaderAndFooter(layout);
    Section& detail = layout[Band::Detail];
    const int width = settings.width;
    AddCourseBlock(detail);
    AddHoleTable(detail, 0, 1650, 1, "Out");
    AddHoleTable(detail, width - 5000, 1650, 10, "In");
    AddTotalsAndPartners(detail, 5350);
    AddHoleGrid(detail, 7500, 1);
    AddMiscStats(detail, 6900, 7500);
    AddHoleGrid(detail, 10150, 10);
    Add(detail, {Caption(QRect(6900, 10150, 2000, 280), "Notes")});
    AddRuledLines(detail, 6900, 10150, width - 6900, 6);
    Add(detail, {Caption(QRect(0, 12700, 4500, 200), "Check above boxes when applicable",
                         Align::Left, style::kSmallPrint),
                 Caption(QRect(0, 12900, 4500, 200), "L/R/S/L = Left/Right/Short/Long", Align::Left,
                         style::kSmallPrint),
                 Caption(QRect(5300, 12750, 700, 300), "Signed"), Line(6000, 13030, width, 13030)});
    detail.height = 13100;
    return layout;
}

}  // namespace parlow::reports

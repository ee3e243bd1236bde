// The statistics sheets: a golfer's accumulated counts and averages. The
// 9-hole sheet differs from the 18-hole one in the points its table lists.
#include "reports/layouts/LayoutBuilder.h"
#include "reports/layouts/LayoutBuilders.h"

namespace parlow::reports {

using namespace build;

namespace {

constexpr int kLine = 280;
constexpr int kRightBlock = 5800;
constexpr int kLowerBlocks = 3700;

struct StatsSheet {
    int holes;
    QColor nameColour;
    QString handicapFormat;
    QString greensFormat;
    bool shortBeforeLong;
    QString puttAverageFormat;
    Align puttAverageAlign;
    FooterStyle footer;
};

StatsSheet SheetFor(int holes) {
    if (holes == 18) {
        return {18,    style::kBlue, "0",         "0",
                false, "0.00",       Align::Left, {kVersionShort, Align::Left, false}};
    }
    return {9, style::kBlack, {}, {}, true, {}, Align::Right, {kVersionShort, Align::Right, true}};
}

void AddGolferBlock(Section& detail, const StatsSheet& sheet) {
    const std::string n = std::to_string(sheet.holes);
    Add(detail, {Coloured(Identifying(QRect(0, 0, 5000, 300), "FullName"), sheet.nameColour)});
    AddPairs(detail, {0, 380, 1800, 2500, Align::Left, kLine},
             {{"Golfer Type:", "Category"}, {"USGA Handicap:", "Handicap", sheet.handicapFormat}});
    Add(detail, {Caption(QRect(0, 1040, 3000, kLine), QString("%1 Hole Games").arg(sheet.holes))});
    AddPairs(detail, {0, 1320, 1800, 2500, Align::Left, kLine},
             {{"Total Games Played:", "Games" + n, "0"},
              {"Total Net Strokes:", "TotalNet" + n, "#,##0"},
              {"Stroke Average:", "StrokeAvg", "0.00"}});
}

void AddFootnote(Section& detail, int x, int y) {
    Add(detail,
        {Caption(QRect(x, y, 3000, 220), "* 9 & 18 hole games", Align::Left, style::kSmallPrint)});
}

void AddHoleStats(Section& detail) {
    Add(detail, {Caption(QRect(kRightBlock, 0, 3000, 300), "* Hole Stats")});
    const int end = AddPairs(detail, {kRightBlock, 380, 1500, 800, Align::Centre, kLine},
                             {{"Aces", "Aces", "0"},
                              {"Dbl Eagles", "DEagles", "0"},
                              {"Eagles", "Eagles", "0"},
                              {"Birds", "Birds", "0"},
                              {"Pars", "Pars", "0"},
                              {"Bogies", "Bogies", "0"},
                              {"Dbl Bogies", "DBogies", "0"},
                              {"Trip Bogies", "TBogies", "0"},
                              {"Quad Bogies", "QBogies", "0"},
                              {"Others", "Others", "0"}});
    AddFootnote(detail, kRightBlock, end + 40);
}

void AddApproachShots(Section& detail, const StatsSheet& sheet) {
    const QString& f = sheet.greensFormat;
    const PairRow longer{"Greens Long", "GreensLong", f};
    const PairRow shorter{"Greens Short", "GreensShort", f};
    Add(detail, {Caption(QRect(0, kLowerBlocks, 3000, 300), "* Approach Shots")});
    const int greensEnd = AddPairs(detail, {0, kLowerBlocks + 380, 1500, 800, Align::Left, kLine},
                                   {{"Greens Left", "GreensLeft", f},
                                    {"Greens Right", "GreensRight", f},
                                    sheet.shortBeforeLong ? shorter : longer,
                                    sheet.shortBeforeLong ? longer : shorter,
                                    {"Greens Missed", "GreensMissed", f}});
    Add(detail, {Caption(QRect(0, greensEnd + 80, 3000, kLine), "Other")});
    const int end = AddPairs(detail, {0, greensEnd + 80 + kLine, 1500, 800, Align::Left, kLine},
                             {{"Sand Saves", "SandSaves", "0"}, {"Up Downs", "UpDowns", "0"}});
    AddFootnote(detail, 0, end + 40);
}

void AddPutting(Section& detail, const StatsSheet& sheet) {
    const std::string n = std::to_string(sheet.holes);
    Add(detail, {Caption(QRect(kRightBlock, kLowerBlocks, 3000, 300), "Putting")});
    AddPairs(detail, {kRightBlock, kLowerBlocks + 380, 1500, 1500, Align::Left, kLine},
             {{"Total Putts", "TotalPutts" + n, "0"}});
    AddPairs(
        detail,
        {kRightBlock, kLowerBlocks + 380 + kLine, 1500, 1500, sheet.puttAverageAlign, kLine},
        {{QString("%1 Hole Average").arg(sheet.holes), "PuttAvg" + n, sheet.puttAverageFormat}});
    const int games = kLowerBlocks + 380 + 2 * kLine + 120;
    Add(detail, {Caption(QRect(kRightBlock, games, 3000, kLine), "9 and 18 Hole Games")});
    AddPairs(detail, {kRightBlock, games + kLine, 1500, 1500, Align::Right, kLine},
             {{"Par 3 Average:", "Par3Avg", "0.00"},
              {"Par 4 Average:", "Par4Avg", "0.00"},
              {"Par 5 Average:", "Par5Avg", "0.00"}});
}

}  // namespace

Layout GolferStatsLayout(const LayoutSettings& settings, int holes) {
    const StatsSheet sheet = SheetFor(holes);
    Layout layout = FramedLayout(settings, sheet.footer);
    Section& detail = layout[Band::Detail];
    AddGolferBlock(detail, sheet);
    AddHoleStats(detail);
    AddApproachShots(detail, sheet);
    AddPutting(detail, sheet);
    Add(detail, {Caption(QRect(0, 6900, 1000, kLine), "Notes:")});
    AddRuledLines(detail, 0, 6900, settings.width, 16);
    detail.height = 12800;
    return layout;
}

}  // namespace parlow::reports

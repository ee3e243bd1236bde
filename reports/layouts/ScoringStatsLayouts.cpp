// The scoring sheets: a golfer's profile beside the stroke and putting
// averages of one game length.
#include "reports/layouts/LayoutBuilder.h"
#include "reports/layouts/LayoutBuilders.h"

namespace parlow::reports {

using namespace build;

namespace {

constexpr int kLine = 280;

void AddProfile(Section& detail) {
    constexpr int top = 500;
    AddPairs(detail, {0, top, 1100, 3800, Align::Left, kLine},
             {{"Golfer ID:", "GolferID"},
              {"Type:", "Category"},
              {"Handicap:", "Handicap", "0"},
              {"Age:", "Age", "0"},
              {"Address:", "Address"},
              {"City:", "City"},
              {"State:", "State"},
              {"Home Club:", "Club"}});
    Add(detail, {Field(QRect(1650, top + 6 * kLine, 2000, kLine), "Zip")});
}

void AddAverages(Section& detail, int holes, int width) {
    const QString h = QString::number(holes);
    const std::string n = std::to_string(holes);
    constexpr int x = 5200;
    constexpr int captionWidth = 3900;
    const int valueWidth = width - x - captionWidth;
    AddPairs(
        detail, {x, 500, captionWidth, valueWidth, Align::Right, kLine},
        {{QString("Total %1 Hole Games Played:").arg(h), "Games" + n, "0"},
         {QString("%1 Hole Games - Total Net Strokes:").arg(h), "TotalNet" + n, "0"},
         {QString("%1 Hole Games - Net Stroke Avg:").arg(h), "NetStroke" + n + "Avg", "0.00"}});
    Add(detail, {Caption(QRect(x, 500 + 3 * kLine + 140, 4000, kLine),
                         QString("Putting Stats - %1 Hole Games").arg(h))});
    AddPairs(detail, {x, 500 + 4 * kLine + 140, captionWidth, valueWidth, Align::Right, kLine},
             {{QString("Total Putts - %1 hole games:").arg(h), "TotalPutts" + n, "0"},
              {QString("Putting Average - %1 hole games:").arg(h), "PuttAvg" + n, "0.00"}});
}

}  // namespace

Layout ScoringStatsLayout(const LayoutSettings& settings, int holes) {
    Layout layout = FramedLayout(settings, {kVersionShort});
    Section& detail = layout[Band::Detail];
    const int width = settings.width;
    Add(detail, {Blue(Identifying(QRect(0, 0, 5500, 300), "FullName")),
                 Caption(QRect(width - 4500, 0, 4500, 300), QString("%1 Hole Games").arg(holes),
                         Align::Right)});
    AddProfile(detail);
    AddAverages(detail, holes, width);
    Add(detail, {Caption(QRect(0, 3100, 1000, kLine), "Notes:")});
    AddRuledLines(detail, 0, 3100, width, 20);
    detail.height = 10400;
    return layout;
}

}  // namespace parlow::reports

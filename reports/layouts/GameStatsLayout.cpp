// The game datasheet: one game's figures, hole by hole and in blocks.
#include "reports/layouts/LayoutBuilder.h"
#include "reports/layouts/LayoutBuilders.h"

namespace parlow::reports {

using namespace build;
using style::kRow;

namespace {

constexpr int kTableTop = 1140;
constexpr int kTableHead = 260;
constexpr int kTableRow = 250;
constexpr int kHoleWidth = 550;
constexpr int kFigureWidth = 600;
constexpr int kTableWidth = kHoleWidth + 2 * kFigureWidth;

void AddIdentity(Section& detail, int width) {
    Add(detail, {Caption(QRect(0, 0, 700, 300), "Golfer:"),
                 Identifying(QRect(720, 0, 6000, 300), "FullName"),
                 Caption(QRect(width - 2400, 0, 900, 300), "Game ID:", Align::Right),
                 Identifying(QRect(width - 1450, 0, 1450, 300), "GameID"),

                 Caption(QRect(0, 360, 700, kRow), "Course:"),
                 Field(QRect(720, 360, 4300, kRow), "Club"),
                 Caption(QRect(5200, 360, 1000, kRow), "Game Date:"),
                 Field(QRect(6250, 360, 3300, kRow), "PlayDate", "dddddd"),
                 Caption(QRect(9800, 360, 1350, kRow), "USGA Handicap:"),
                 Field(QRect(11200, 360, 800, kRow), "Handicap", "0"),

                 Caption(QRect(0, 660, 700, kRow), "Score:"),
                 Blue(Field(QRect(720, 660, 700, kRow), "NetScore", "0")),
                 Caption(QRect(1500, 660, 1000, kRow), "Course Par:"),
                 Field(QRect(2550, 660, 500, kRow), "CoursePar", "0"),
                 Caption(QRect(3200, 660, 500, kRow), "Tees:"),
                 Field(QRect(3750, 660, 1250, kRow), "Tees"),
                 Caption(QRect(5200, 660, 1000, kRow), "Golfer Type:"),
                 Field(QRect(6250, 660, 1800, kRow), "Category"),
                 Caption(QRect(9800, 660, 1350, kRow), "Holes Played:"),
                 Field(QRect(11200, 660, 800, kRow), "Holes", "0"),

                 Line(0, 1020, width, 1020)});
}

// Holes first..first+8, then the nine's total row ("Out" or "In").
void AddHoleTable(Section& detail, int x, int first, const QString& total) {
    const int scoreX = x + kHoleWidth;
    const int parX = scoreX + kFigureWidth;
    Add(detail,
        {Caption(QRect(x, kTableTop, kHoleWidth, kTableHead), "Hole", Align::Centre),
         Caption(QRect(scoreX, kTableTop, kFigureWidth, kTableHead), "Score", Align::Centre),
         Caption(QRect(parX, kTableTop, kFigureWidth, kTableHead), "Par", Align::Centre)});
    int y = kTableTop + kTableHead;
    for (int hole = first; hole < first + 9; ++hole, y += kTableRow) {
        const std::string n = std::to_string(hole);
        Add(detail,
            {Caption(QRect(x, y, kHoleWidth, kTableRow), QString::number(hole), Align::Centre),
             Coloured(
                 Field(QRect(scoreX, y, kFigureWidth, kTableRow), "Score" + n, {}, Align::Centre),
                 style::kDarkGrey),
             Field(QRect(parX, y, kFigureWidth, kTableRow), "Par" + n, {}, Align::Centre)});
    }
    const std::string nine = total.toStdString();
    Add(detail,
        {Caption(QRect(x, y, kHoleWidth, kTableRow), total, Align::Centre),
         Blue(Field(QRect(scoreX, y, kFigureWidth, kTableRow), "Score" + nine, {}, Align::Centre)),
         Field(QRect(parX, y, kFigureWidth, kTableRow), "Par" + nine, {}, Align::Centre)});
    const int bottom = y + kTableRow;
    Add(detail, {Box(QRect(x, kTableTop, kTableWidth, bottom - kTableTop)),
                 Line(x, kTableTop + kTableHead, x + kTableWidth, kTableTop + kTableHead),
                 Line(x, bottom - kTableRow, x + kTableWidth, bottom - kTableRow)});
}

struct StatsBlock {
    QString heading;
    int captionWidth;
    std::vector<PairRow> rows;
};

void AddStatsBlocks(Section& detail, int x) {
    const QColor blue = style::kBlue;
    const std::vector<StatsBlock> blocks = {
        {"Hole Stats",
         1250,
         {{"Aces", "Aces", "0"},
          {"Double Eagles", "DEagles", "0"},
          {"Eagles", "Eagles", "0"},
          {"Birdies", "Birds", "0"},
          {"Pars", "Pars", "0"},
          {"Bogies", "Bogies", "0"},
          {"Double Bogies", "DBogies", "0"},
          {"Triple Bogies", "TBogies", "0"},
          {"Quad Bogies", "QBogies", "0"},
          {"Others", "Others", "0"}}},
        {"Putting",
         1600,
         {{"Putts Missed Left", "PuttsLeft", "0"},
          {"Putts Missed Right", "PuttsRight", "0"},
          {"Putts Missed Long", "PuttsLong", "0"},
          {"Putts Missed Short", "PuttsShort", "0"},
          {"Total Putts Missed", "PuttsMissed", "0"},
          {"Total Putts", "TotalPutts", "0"},
          {"Putting Average", "PuttsPerGreen", "0.00", blue}}},
        {"Approach Shots",
         1700,
         {{"Greens Missed Left", "GreensLeft", "0"},
          {"Greens Missed Right", "GreensRight", "0"},
          {"Greens Missed Short", "GreensShort", "0"},
          {"Greens Missed Long", "GreensLong", "0"},
          {"Total Greens Missed", "GreensMissed", "0"},
          {"Percent Greens Hit", "PercentGreensHit", "0.00", blue}}},
        {"Tee Shots",
         1850,
         {{"Fairways Missed Left", "FWaysLeft", "0"},
          {"Fairways Missed Right", "FWaysRight", "0"},
          {"Total Fairways Missed", "FWaysMissed", "0"},
          {"Percent Fairways Hit", "PercentFWaysHit", "0.00", blue}}},
        {"Other",
         1050,
         {{"Sand Saves", "SandSaves", "0"},
          {"Up / Downs", "UpDowns", "0"},
          {"Long Drive", "LongDrive", "0"},
          {"Stroke Avg", "StrokeAvg", "0.00", blue},
          {"Par 3 Avg:", "Par3Avg", "0.00"},
          {"Par 4 Avg:", "Par4Avg", "0.00"},
          {"Par 5 Avg:", "Par5Avg", "0.00"}}},
    };
    constexpr int kValueWidth = 450;
    constexpr int kGap = 200;
    for (const StatsBlock& block : blocks) {
        Add(detail, {Caption(QRect(x, kTableTop, block.captionWidth + kValueWidth, kTableHead),
                             block.heading)});
        AddPairs(
            detail,
            {x, kTableTop + kTableHead, block.captionWidth, kValueWidth, Align::Right, kTableRow},
            block.rows);
        x += block.captionWidth + kValueWidth + kGap;
    }
}

void AddPartners(Section& detail, int top) {
    for (int i = 1; i <= 3; ++i) {
        const int y = top + (i - 1) * 300;
        const std::string n = std::to_string(i);
        Add(detail, {Caption(QRect(0, y, 1400, kRow), "Playing Partner:"),
                     Field(QRect(1450, y, 4000, kRow), "Partner" + n),
                     Caption(QRect(5600, y, 600, kRow), "Score:"),
                     Field(QRect(6250, y, 600, kRow), "PartnerScore" + n, "0")});
    }
}

}  // namespace

Layout GameStatsLayout(const LayoutSettings& settings) {
    Layout layout = FramedLayout(settings, {kVersionLong});
    Section& detail = layout[Band::Detail];
    const int width = settings.width;
    AddIdentity(detail, width);
    AddHoleTable(detail, 0, 1, "Out");
    AddHoleTable(detail, kTableWidth + 150, 10, "In");
    AddStatsBlocks(detail, 2 * kTableWidth + 150 + 400);
    AddPartners(detail, 4100);
    Add(detail, {Caption(QRect(0, 5150, 1000, kRow), "Notes:")});
    AddRuledLines(detail, 0, 5150, width, 12);
    detail.height = 9600;
    return layout;
}

}  // namespace parlow::reports

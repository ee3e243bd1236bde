// The game histories: a line per game under the golfer's name, with the
// count of games and the mean net score at the end.
#include "reports/layouts/LayoutBuilder.h"
#include "reports/layouts/LayoutBuilders.h"

namespace parlow::reports {

using namespace build;
using style::kRow;

namespace {

struct HistoryColumn {
    QString heading;
    std::string column;
    QString format;
    int width;
};

std::vector<HistoryColumn> Columns(int holes) {
    return {{holes == 18 ? "Course Played" : "Course", "Club", {}, 3400},
            {"Tees", "Tees", {}, 900},
            {"Game Date", "PlayDate", "M/d/yyyy", 1145},
            {"Par", "CoursePar", "0", 600},
            {"Net", "NetScore", "0", 600},
            {"OUT", "ScoreOut", "0", 600},
            {"Par Out", "ParOut", "0", 750},
            {"IN", "ScoreIn", "0", 600},
            {"Par In", "ParIn", "0", 700},
            {"Stroke Avg", "StrokeAvg", "0.00", 950},
            {"Greens %", "PercentGreensHit", "0.00", 900},
            {"FWays %", "PercentFWaysHit", "0.00", 900},
            {"Putt Avg", "PuttsPerGreen", "0.00", 850},
            {"UpDowns", "UpDowns", {}, 850},
            {"Sand Svs", "SandSaves", "0", 850}};
}

}  // namespace

Layout GamesHistoryLayout(const LayoutSettings& settings, int holes) {
    Layout layout = FramedLayout(settings, {kVersionLong});
    Section& header = layout[Band::GroupHeader];
    Section& detail = layout[Band::Detail];
    header.height = 760;
    detail.height = kRow;
    Add(header,
        {Blue(Field(QRect(0, 0, 9000, 340), "FullName", {}, Align::Left, style::kGroupName))});
    int x = 0;
    for (const HistoryColumn& column : Columns(holes)) {
        Add(header, {Caption(QRect(x, 420, column.width, 260), column.heading, Align::Centre)});
        Item field =
            Field(QRect(x, 0, column.width, kRow), column.column, column.format, Align::Centre);
        // A course name at the entry limit (35 capitals) is wider than its column.
        field.shrinkToFit = column.column == "Club";
        Add(detail, {field});
        x += column.width;
    }
    Add(header, {Line(0, 710, settings.width, 710)});

    Section& footer = layout[Band::ReportFooter];
    footer.height = 640;
    Add(footer, {Caption(QRect(0, 120, 1400, kRow), "Total Games:"),
                 Count(QRect(1450, 120, 900, kRow), "0"),
                 Caption(QRect(0, 120 + kRow, 1400, kRow), "Stroke Average:"),
                 Average(QRect(1450, 120 + kRow, 900, kRow), "NetScore", "0.00")});
    return layout;
}

}  // namespace parlow::reports

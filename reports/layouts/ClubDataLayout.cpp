// The course datasheet: the club's particulars and a ruled grid of its holes.
#include "reports/layouts/LayoutBuilder.h"
#include "reports/layouts/LayoutBuilders.h"

namespace parlow::reports {

using namespace build;

namespace {

constexpr int kLine = 280;
constexpr int kGridTop = 1560;
constexpr int kGridHeading = 300;
constexpr int kColumnHeadsTop = kGridTop + kGridHeading;
constexpr int kRowsTop = kColumnHeadsTop + kLine;
constexpr int kGridBottom = kRowsTop + 10 * kLine;
constexpr int kNineWidth = 2400;
constexpr int kNineColumn = kNineWidth / 3;
constexpr int kCourseLeft = 2 * kNineWidth;
constexpr int kNotesLeft = 8600;

void AddParticulars(Section& detail, int width) {
    Add(detail, {Caption(QRect(0, 0, 1100, 300), "Club/Course:"),
                 Identifying(QRect(1150, 0, 8000, 300), "ClubName"),
                 Caption(QRect(width - 2400, 0, 900, 300), "Club ID:", Align::Right),
                 Identifying(QRect(width - 1450, 0, 1450, 300), "ClubID"),
                 Line(0, 360, width, 360, style::kRulePen)});
    constexpr int top = 480;
    AddPairs(detail, {0, top, 1000, 3600, Align::Left, kLine},
             {{"Address", "Address"}, {"City", "City"}, {"State/Prov", "State"}});
    Add(detail, {Field(QRect(1550, top + 2 * kLine, 1500, kLine), "Zip")});
    AddPairs(detail, {5000, top, 1600, 2800, Align::Left, kLine},
             {{"Club Manager", "ClubMgr"},
              {"Club Professional", "ClubPro"},
              {"Club Ass't Pro", "ClubAsstPro"}});
    AddPairs(detail, {9900, top, 1500, 2500, Align::Left, kLine},
             {{"Club Telephone", "ClubPhone"}, {"Pro Shop Phone", "ProShopPhone"}});
}

// One nine of the grid: hole, par and handicap index, then the nine's par.
void AddNine(Section& detail, int x, int first, const QString& heading, const QString& total) {
    Add(detail, {Caption(QRect(x, kGridTop, kNineWidth, kGridHeading), heading, Align::Centre)});
    const QString heads[] = {"Hole", "Par", "H Cap"};
    for (int c = 0; c < 3; ++c) {
        Add(detail, {Caption(QRect(x + c * kNineColumn, kColumnHeadsTop, kNineColumn, kLine),
                             heads[c], Align::Centre)});
    }
    int y = kRowsTop;
    for (int hole = first; hole < first + 9; ++hole, y += kLine) {
        const std::string n = std::to_string(hole);
        Add(detail,
            {Caption(QRect(x, y, kNineColumn, kLine), QString::number(hole), Align::Centre),
             Field(QRect(x + kNineColumn, y, kNineColumn, kLine), "Par" + n, {}, Align::Centre),
             Field(QRect(x + 2 * kNineColumn, y, kNineColumn, kLine), "HCap" + n, {},
                   Align::Centre)});
    }
    Add(detail, {Caption(QRect(x, y, kNineColumn, kLine), total, Align::Centre),
                 Field(QRect(x + kNineColumn, y, kNineColumn, kLine), "Par" + total.toStdString(),
                       {}, Align::Centre)});
    for (int c = 1; c < 3; ++c) {
        const int lineX = x + c * kNineColumn;
        Add(detail, {Line(lineX, kColumnHeadsTop, lineX, kGridBottom)});
    }
}

void AddGrid(Section& detail, int width) {
    AddNine(detail, 0, 1, "Front 9", "Out");
    AddNine(detail, kNineWidth, 10, "Back 9", "In");
    Add(detail, {Caption(QRect(kCourseLeft, kGridTop, kNotesLeft - kCourseLeft, kGridHeading),
                         "Course", Align::Centre),
                 Caption(QRect(kNotesLeft, kGridTop, width - kNotesLeft, kGridHeading), "Notes",
                         Align::Centre)});
    AddPairs(detail, {kCourseLeft + 100, kColumnHeadsTop, 1900, 1700, Align::Left, kLine},
             {{"Tees", "Tees"},
              {"USGA Slope", "Slope", "0"},
              {"USGARating", "Rating", "0.0"},
              {"Length", "Yards", "0"},
              {"Course Par", "CoursePar", "0"},
              {"F-ways", "Fways", "0"},
              {"Par3s", "Par3s", "0"},
              {"Par4s", "Par4s", "0"},
              {"Par5s", "Par5s", "0"}});
    // The rules run across all four parts, so the notes part is lined too.
    Add(detail, {Box(QRect(0, kGridTop, width, kGridBottom - kGridTop), style::kRulePen),
                 Line(0, kColumnHeadsTop, width, kColumnHeadsTop)});
    for (int y = kRowsTop; y < kGridBottom; y += kLine) {
        Add(detail, {Line(0, y, width, y)});
    }
    for (int x : {kNineWidth, kCourseLeft, kNotesLeft}) {
        Add(detail, {Line(x, kGridTop, x, kGridBottom)});
    }
}

}  // namespace

Layout ClubDataLayout(const LayoutSettings& settings) {
    Layout layout = FramedLayout(settings, {kVersionLong});
    Section& detail = layout[Band::Detail];
    AddParticulars(detail, settings.width);
    AddGrid(detail, settings.width);
    detail.height = kGridBottom + 200;
    return layout;
}

}  // namespace parlow::reports

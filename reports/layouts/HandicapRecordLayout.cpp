// The Handicap Record: three groups (the golfer's figures, the recent
// differentials, the course handicaps), each a heading with its column
// headings over its lines. The lines carry either a caption and value, a
// note across the page, or the eight table cells; what a line leaves empty
// prints nothing.
#include "reports/layouts/LayoutBuilder.h"
#include "reports/layouts/LayoutBuilders.h"

namespace parlow::reports {

using namespace build;
using style::kRow;

namespace {

constexpr int kCellWidths[] = {1200, 5000, 2300, 1000, 1400, 1100, 800, 1700};

}  // namespace

Layout HandicapRecordLayout(const LayoutSettings& settings) {
    Layout layout = FramedLayout(settings, {kVersionLong});
    Section& header = layout[Band::GroupHeader];
    Section& detail = layout[Band::Detail];
    Section& footer = layout[Band::GroupFooter];
    header.height = 760;
    detail.height = kRow;
    footer.height = 360;
    Add(header, {Blue(Field(QRect(0, 0, settings.width, 340), "Heading", {}, Align::Left,
                            style::kGroupName))});
    Add(detail,
        {Field(QRect(0, 0, 3500, kRow), "Caption", {}, Align::Left, style::kCaption),
         Field(QRect(3600, 0, 6000, kRow), "Value", {}, Align::Left, style::kIdentifying),
         Field(QRect(0, 0, settings.width, kRow), "Note", {}, Align::Left, style::kSmallPrint)});
    int x = 0;
    for (int c = 0; c < 8; ++c) {
        const std::string n = std::to_string(c + 1);
        const Align align = c == 1 ? Align::Left : Align::Centre;
        Add(header,
            {Field(QRect(x, 420, kCellWidths[c], 260), "H" + n, {}, align, style::kCaption)});
        Add(detail, {Field(QRect(x, 0, kCellWidths[c], kRow), "C" + n, {}, align)});
        x += kCellWidths[c];
    }
    Add(header, {Line(0, 710, settings.width, 710)});
    return layout;
}

}  // namespace parlow::reports

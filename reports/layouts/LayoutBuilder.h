#pragma once
// Small makers for layout items, so that each layout reads as a table of
// what it prints and where.
#include <QString>
#include <string>
#include <vector>

#include "reports/engine/Layout.h"
#include "reports/layouts/HouseStyle.h"

namespace parlow::reports::build {

Item Caption(QRect rect, const QString& text, Align align = Align::Left,
             const FontSpec& font = style::kCaption);
Item Field(QRect rect, const std::string& column, const QString& format = {},
           Align align = Align::Left, const FontSpec& font = style::kBody);
Item Identifying(QRect rect, const std::string& column);
Item Today(QRect rect, Align align);
Item Count(QRect rect, const QString& format);
Item Average(QRect rect, const std::string& column, const QString& format);
Item Line(int x1, int y1, int x2, int y2, int pen = style::kThinPen);
Item Box(QRect rect, int pen = style::kThinPen);

Item Coloured(Item item, const QColor& colour);
inline Item Blue(Item item) {
    return Coloured(std::move(item), style::kBlue);
}

void Add(Section& section, std::vector<Item> items);

// One caption → value row of a block.
struct PairRow {
    QString caption;
    std::string column;
    QString format = {};
    QColor colour = style::kBlack;
};

// Where a block of caption → value rows stands.
struct PairBlock {
    int x = 0;
    int y = 0;
    int captionWidth = 0;
    int valueWidth = 0;
    Align valueAlign = Align::Left;
    int rowHeight = style::kRow;
};

// The rows one under the other; returns the y below the last row.
int AddPairs(Section& section, const PairBlock& block, const std::vector<PairRow>& rows);

// Horizontal lines to write on, `spacing` apart, the first at y + spacing.
void AddRuledLines(Section& section, int x, int y, int width, int count,
                   int spacing = style::kWritingLine);

}  // namespace parlow::reports::build

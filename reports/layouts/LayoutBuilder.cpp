#include "reports/layouts/LayoutBuilder.h"

namespace parlow::reports::build {

Item Caption(QRect rect, const QString& text, Align align, const FontSpec& font) {
    Item item;
    item.kind = ItemKind::Caption;
    item.rect = rect;
    item.text = text;
    item.align = align;
    item.font = font;
    return item;
}

Item Field(QRect rect, const std::string& column, const QString& format, Align align,
           const FontSpec& font) {
    Item item;
    item.kind = ItemKind::Field;
    item.rect = rect;
    item.column = column;
    item.format = format;
    item.align = align;
    item.font = font;
    return item;
}

Item Identifying(QRect rect, const std::string& column) {
    return Field(rect, column, {}, Align::Left, style::kIdentifying);
}

Item Today(QRect rect, Align align) {
    Item item;
    item.kind = ItemKind::Today;
    item.rect = rect;
    item.format = "Short Date";
    item.align = align;
    item.font = style::kBody;
    return item;
}

Item Count(QRect rect, const QString& format) {
    Item item;
    item.kind = ItemKind::Aggregate;
    item.function = AggregateFunction::Count;
    item.rect = rect;
    item.format = format;
    item.font = style::kBody;
    return item;
}

Item Average(QRect rect, const std::string& column, const QString& format) {
    Item item = Count(rect, format);
    item.function = AggregateFunction::Average;
    item.column = column;
    return item;
}

Item Line(int x1, int y1, int x2, int y2, int pen) {
    Item item;
    item.kind = ItemKind::Line;
    item.rect = QRect(x1, y1, x2 - x1, y2 - y1);
    item.penWidth = pen;
    return item;
}

Item Box(QRect rect, int pen) {
    Item item;
    item.kind = ItemKind::Box;
    item.rect = rect;
    item.penWidth = pen;
    return item;
}

Item Coloured(Item item, const QColor& colour) {
    item.colour = colour;
    return item;
}

void Add(Section& section, std::vector<Item> items) {
    for (Item& item : items) {
        section.items.push_back(std::move(item));
    }
}

int AddPairs(Section& section, const PairBlock& block, const std::vector<PairRow>& rows) {
    int y = block.y;
    for (const PairRow& row : rows) {
        section.items.push_back(
            Caption(QRect(block.x, y, block.captionWidth, block.rowHeight), row.caption));
        Item value =
            Field(QRect(block.x + block.captionWidth, y, block.valueWidth, block.rowHeight),
                  row.column, row.format, block.valueAlign);
        section.items.push_back(Coloured(std::move(value), row.colour));
        y += block.rowHeight;
    }
    return y;
}

void AddRuledLines(Section& section, int x, int y, int width, int count, int spacing) {
    for (int i = 1; i <= count; ++i) {
        section.items.push_back(Line(x, y + i * spacing, x + width, y + i * spacing));
    }
}

}  // namespace parlow::reports::build

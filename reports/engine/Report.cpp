#include "reports/engine/Report.h"

#include <QFontMetricsF>

#include <QPainter>
#include <cmath>

#include "reports/engine/DisplayFormat.h"

namespace parlow::reports {

namespace {

bool DrawsText(ItemKind kind) {
    return kind == ItemKind::Caption || kind == ItemKind::Field || kind == ItemKind::Aggregate ||
           kind == ItemKind::Today;
}

bool IsGroupBand(Band band) {
    return band == Band::GroupHeader || band == Band::GroupFooter;
}

void DrawShape(QPainter& painter, const Item& item, const QRect& rect) {
    painter.setPen(QPen(item.colour, item.penWidth));
    painter.setBrush(Qt::NoBrush);
    if (item.kind == ItemKind::Line) {
        painter.drawLine(QLineF(rect.left(), rect.top(), rect.left() + rect.width(),
                                rect.top() + rect.height()));
    } else {
        painter.drawRect(QRectF(rect.left(), rect.top(), rect.width(), rect.height()));
    }
}

}  // namespace

QSize PageSize(const Layout& layout) {
    const QSize portrait(8 * kTwipsPerInch + kTwipsPerInch / 2, 11 * kTwipsPerInch);
    return layout.orientation == Orientation::Portrait ? portrait : portrait.transposed();
}

int LeftMargin(const Layout& layout) {
    return (PageSize(layout).width() - layout.width) / 2;
}

void UseTwips(QPainter& painter, double dotsPerInch) {
    painter.scale(dotsPerInch / kTwipsPerInch, dotsPerInch / kTwipsPerInch);
}

QFont MakeFont(const FontSpec& spec) {
    QFont font(spec.family);
    // Sizes are given in twips, so the painter's scale makes them points.
    font.setPixelSize(static_cast<int>(std::lround(spec.points * kTwipsPerPoint)));
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    // Hinting would fit glyphs to the screen's pixels and make the preview
    // measure differently from the paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The font made smaller by as much as the text is wider than its place.
static QFont FittingFont(const QFont& font, const QString& text, int width) {
    const qreal needed = QFontMetricsF(font).horizontalAdvance(text);
    if (needed <= width || needed <= 0) {
        return font;
    }
    QFont smaller(font);
    smaller.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * width / needed)));
    return smaller;
}

int AlignmentFlags(Align align) {
    const int across = align == Align::Left     ? Qt::AlignLeft
                       : align == Align::Centre ? Qt::AlignHCenter
                                                : Qt::AlignRight;
    return across | Qt::AlignVCenter | Qt::TextSingleLine;
}

Report::Report(Layout layout, const ReportData& data, QDate today, QLocale locale)
    : layout_(std::move(layout)),
      data_(data),
      pages_(Paginate(layout_, data_)),
      today_(today),
      locale_(std::move(locale)) {
    for (std::size_t band = 0; band < kBandCount; ++band) {
        for (const Item& item : layout_.sections[band].items) {
            fonts_[band].push_back(MakeFont(item.font));
        }
    }
}

QRect Report::OnPage(const PlacedBand& placed, const QRect& rect) const {
    return rect.translated(LeftMargin(layout_), placed.top);
}

void Report::DrawPage(QPainter& painter, int page) const {
    for (const PlacedBand& placed : PageAt(page)) {
        const auto& items = layout_[placed.band].items;
        const auto& fonts = fonts_[static_cast<std::size_t>(placed.band)];
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item& item = items[i];
            const QRect rect = OnPage(placed, item.rect);
            if (!DrawsText(item.kind)) {
                DrawShape(painter, item, rect);
                continue;
            }
            const QString text = ItemText(placed, item);
            if (text.isEmpty()) {
                continue;
            }
            painter.setFont(item.shrinkToFit ? FittingFont(fonts[i], text, rect.width())
                                             : fonts[i]);
            painter.setPen(item.colour);
            painter.drawText(rect, AlignmentFlags(item.align), text);
        }
    }
}

std::vector<PlacedText> Report::PageTexts(int page) const {
    std::vector<PlacedText> texts;
    for (const PlacedBand& placed : PageAt(page)) {
        for (const Item& item : layout_[placed.band].items) {
            if (DrawsText(item.kind)) {
                texts.push_back({OnPage(placed, item.rect), ItemText(placed, item), item.font,
                                 item.colour, item.align});
            }
        }
    }
    return texts;
}

QString Report::ItemText(const PlacedBand& placed, const Item& item) const {
    switch (item.kind) {
        case ItemKind::Caption:
            return item.text;
        case ItemKind::Field:
            return FormatValue(FieldValue(placed, item.column), item.format, locale_);
        case ItemKind::Aggregate:
            return FormatValue(AggregateValue(placed, item), item.format, locale_);
        case ItemKind::Today:
            return FormatDate(today_, item.format, locale_);
        default:
            return {};
    }
}

const zeviza::Value& Report::FieldValue(const PlacedBand& placed, const std::string& column) const {
    static const zeviza::Value null;
    const auto& groups = data_.Groups();
    if (placed.group >= groups.size()) {
        return null;
    }
    const Group& group = groups[placed.group];
    if (placed.band == Band::Detail) {
        const Table& rows = group.details;
        return rows.At(placed.row, rows.ColumnIndex(column));
    }
    if (IsGroupBand(placed.band) && group.hasParent) {
        const Table& parents = data_.Parents();
        return parents.At(group.parentRow, parents.ColumnIndex(column));
    }
    return null;
}

zeviza::Value Report::AggregateValue(const PlacedBand& placed, const Item& item) const {
    std::int64_t count = 0;
    std::int64_t counted = 0;
    double sum = 0;
    const auto& groups = data_.Groups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        // In a group's own bands the reach is that group; elsewhere the report.
        if (IsGroupBand(placed.band) && g != placed.group) {
            continue;
        }
        const Table& rows = groups[g].details;
        const int column = rows.ColumnIndex(item.column);
        for (std::size_t r = 0; r < rows.RowCount(); ++r) {
            ++count;
            const zeviza::Value& value = rows.At(r, column);
            if (!value.IsNull()) {
                ++counted;
                sum += value.ToDouble();
            }
        }
    }
    if (item.function == AggregateFunction::Count) {
        return zeviza::Value(count);
    }
    // Like every average of the reports, one over no rows is 0, not an error.
    return zeviza::Value(counted > 0 ? sum / static_cast<double>(counted) : 0.0);
}

QString Report::SuggestedFileName() const {
    QString key;
    const auto& groups = data_.Groups();
    if (!groups.empty()) {
        const Group& first = groups.front();
        if (first.hasParent) {
            const Table& parents = data_.Parents();
            key = QString::fromStdString(
                parents.At(first.parentRow, parents.ColumnIndex(layout_.fileKey)).ToText());
        }
        if (key.isEmpty()) {
            const Table& rows = first.details;
            key = QString::fromStdString(rows.At(0, rows.ColumnIndex(layout_.fileKey)).ToText());
        }
    }
    // A name must not carry a folder separator into the file dialog.
    key.replace('/', '-');
    const QString stem = layout_.fileStem.isEmpty() ? layout_.title : layout_.fileStem;
    return (key.isEmpty() ? stem : stem + ' ' + key) + ".pdf";
}

}  // namespace parlow::reports

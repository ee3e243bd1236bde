#include "ui/fields/ColumnTextWidths.h"

#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

namespace parlow {

namespace {
constexpr int kUnknown = -1;

// The room a cell keeps around its text (margins, focus frame), as the
// view's own delegate and style give it for the first cell of `column`.
int CellPadding(QTreeView* list, int column, const QFontMetrics& metrics) {
    const QModelIndex first = list->model()->index(0, column);
    if (!first.isValid()) {
        return 0;
    }
    const QString text = first.data(Qt::DisplayRole).toString();
    return std::max(0, list->sizeHintForIndex(first).width() - metrics.horizontalAdvance(text));
}
}  // namespace

ColumnTextWidths::ColumnTextWidths(const QFontMetrics& metrics, int columns)
    : metrics_(metrics), widest_(std::max(columns, 0), 0) {
    advances_.fill(kUnknown);
}

void ColumnTextWidths::Measure(int column, const QString& text) {
    if (column >= 0 && column < static_cast<int>(widest_.size())) {
        widest_[column] = std::max(widest_[column], WidthOf(text));
    }
}

int ColumnTextWidths::WidthOf(const QString& text) {
    int width = 0;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= kLookedUp) {
            return metrics_.horizontalAdvance(text);
        }
        int& advance = advances_[code];
        if (advance == kUnknown) {
            advance = metrics_.horizontalAdvance(c);
        }
        width += advance;
    }
    return width;
}

int ColumnTextWidths::FitColumns(QTreeView* list, int extra) const {
    const bool hasRows = list->model()->rowCount() > 0;
    int total = 0;
    for (int c = 0; c < static_cast<int>(widest_.size()); ++c) {
        const int cells = hasRows ? widest_[c] + CellPadding(list, c, metrics_) : 0;
        const int heading = list->header()->isHidden() ? 0 : list->header()->sectionSizeHint(c);
        list->setColumnWidth(c, std::max(cells, heading) + extra);
        total += list->columnWidth(c);
    }
    return total;
}

}  // namespace parlow

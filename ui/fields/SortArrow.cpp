#include "ui/fields/SortArrow.h"

#include <QHeaderView>
#include <QProxyStyle>
#include <QStyleOptionHeader>

namespace parlow {
namespace {

class SortArrowStyle : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
        if (element != PE_IndicatorHeaderArrow || header == nullptr ||
            header->sortIndicator == QStyleOptionHeader::None) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QStyleOptionHeader turned(*header);
        turned.sortIndicator = header->sortIndicator == QStyleOptionHeader::SortUp
                                   ? QStyleOptionHeader::SortDown
                                   : QStyleOptionHeader::SortUp;
        QProxyStyle::drawPrimitive(element, &turned, painter, widget);
    }
};

}  // namespace

void DrawSortArrowAsDesktopListsDo(QHeaderView* header) {
    auto* style = new SortArrowStyle;
    style->setParent(header);
    header->setStyle(style);
}

}  // namespace parlow

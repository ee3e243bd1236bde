#pragma once
// A layout bound to its rows: knows its pages as soon as it is made, and
// draws any one of them on demand. The same drawing serves the preview, the
// printer and the PDF; the painter it is given works in twips from the
// page's top-left corner (see TwipsPainter).
#include <QDate>
#include <QFont>
#include <QLocale>
#include <QString>
#include <vector>

#include "reports/engine/BoundData.h"
#include "reports/engine/Layout.h"
#include "reports/engine/Pagination.h"

class QPainter;

namespace parlow::reports {

// One text as a page prints it: for checks and for drawing without the engine.
struct PlacedText {
    QRect rect;  // page twips
    QString text;
    FontSpec font;
    QColor colour;
    Align align = Align::Left;
};

class Report {
  public:
    Report(Layout layout, const ReportData& data, QDate today = QDate::currentDate(),
           QLocale locale = QLocale());

    const Layout& GetLayout() const { return layout_; }
    const BoundData& Data() const { return data_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    const Page& PageAt(int page) const { return pages_.at(static_cast<std::size_t>(page)); }

    void DrawPage(QPainter& painter, int page) const;
    std::vector<PlacedText> PageTexts(int page) const;

    // "Game Stats G12.pdf": the layout's stem and its record's identifier.
    QString SuggestedFileName() const;

  private:
    QString ItemText(const PlacedBand& placed, const Item& item) const;
    const zeviza::Value& FieldValue(const PlacedBand& placed, const std::string& column) const;
    zeviza::Value AggregateValue(const PlacedBand& placed, const Item& item) const;
    QRect OnPage(const PlacedBand& placed, const QRect& rect) const;

    Layout layout_;
    BoundData data_;
    std::vector<Page> pages_;
    QDate today_;
    QLocale locale_;
    std::array<std::vector<QFont>, kBandCount> fonts_;  // one per item, made once
};

// Sets a painter on a device of `dotsPerInch` to draw in page twips.
void UseTwips(QPainter& painter, double dotsPerInch);
QFont MakeFont(const FontSpec& spec);
int AlignmentFlags(Align align);

}  // namespace parlow::reports

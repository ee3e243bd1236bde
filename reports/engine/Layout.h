#pragma once
// A report layout as plain data: page settings, the seven bands in printing
// order and the items each band draws. Every length is in twips (1/1440 inch)
// measured from the band's top-left corner, so one layout serves the screen,
// the printer and the PDF alike.
#include <QColor>
#include <QRect>
#include <QString>
#include <array>
#include <string>
#include <vector>

namespace parlow::reports {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPoint = 20;

enum class Align { Left, Centre, Right };

struct FontSpec {
    QString family = "Arial";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

enum class ItemKind {
    Caption,    // fixed text
    Field,      // a column of the band's row, formatted
    Aggregate,  // a function over the detail rows in the band's reach
    Today,      // the report's date, formatted
    Line,       // from the rect's top-left to its bottom-right corner
    Box,        // the rect's outline
};

enum class AggregateFunction { Count, Average };

struct Item {
    ItemKind kind = ItemKind::Caption;
    QRect rect;
    QString text;        // Caption
    std::string column;  // Field, Aggregate (Count needs none)
    QString format;      // Field, Aggregate, Today; empty prints the value in full
    AggregateFunction function = AggregateFunction::Count;
    Align align = Align::Left;
    FontSpec font;
    QColor colour = Qt::black;
    int penWidth = 15;         // Line, Box
    bool shrinkToFit = false;  // a text wider than its place prints smaller
};

// The bands in the order a report prints them.
enum class Band {
    ReportHeader,
    PageHeader,
    GroupHeader,
    Detail,
    GroupFooter,
    PageFooter,
    ReportFooter,
};
inline constexpr std::size_t kBandCount = 7;

struct Section {
    int height = 0;
    std::vector<Item> items;
};

enum class Orientation { Portrait, Landscape };

struct Layout {
    std::string name;
    QString title;
    QString caption;
    Orientation orientation = Orientation::Portrait;
    int width = 0;  // the printed width; the page centres it
    // The file name the preview offers: "<stem> <value of fileKey>.pdf".
    QString fileStem;
    std::string fileKey;
    std::array<Section, kBandCount> sections;

    Section& operator[](Band band) { return sections[static_cast<std::size_t>(band)]; }
    const Section& operator[](Band band) const { return sections[static_cast<std::size_t>(band)]; }
};

// US Letter: 8.5 by 11 inches, turned for landscape.
QSize PageSize(const Layout& layout);
// Room above and below the bands on every page.
inline constexpr int kVerticalMargin = 720;
// Where the bands start across the page, so that the layout's width is centred.
int LeftMargin(const Layout& layout);

}  // namespace parlow::reports

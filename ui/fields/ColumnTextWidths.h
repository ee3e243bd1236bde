#pragma once
// Columns as wide as their widest texts, worked out from the texts as a list
// is filled. Asking the view to size a column measures each cell through the
// item delegate and the style, which costs more than filling the list; here
// each character's advance is looked up once and a text's width is the sum,
// which kerning can only make a little wider than drawn, never narrower.
#include <QFontMetrics>
#include <QString>
#include <array>
#include <vector>

class QTreeView;

namespace parlow {

class ColumnTextWidths {
  public:
    ColumnTextWidths(const QFontMetrics& metrics, int columns);

    void Measure(int column, const QString& text);
    // Every column of `list` as wide as its widest text measured plus the
    // room its cells keep around their text and `extra`, and never narrower
    // than its heading. Returns the columns' total width.
    int FitColumns(QTreeView* list, int extra) const;

  private:
    int WidthOf(const QString& text);

    QFontMetrics metrics_;
    // Advances of the letters the Latin, Greek and Cyrillic names use; a text
    // with any other character (a combining mark, a joined script) is
    // measured whole, as shaping may change its width.
    static constexpr int kLookedUp = 0x0300;
    std::array<int, kLookedUp> advances_;
    std::vector<int> widest_;
};

}  // namespace parlow

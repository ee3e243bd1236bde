#pragma once
// The font and colour tables at the head of a document. Both are capped, so
// a document that declares millions of entries costs no more than the cap.
#include <QColor>
#include <QString>
#include <QStringView>
#include <map>
#include <vector>

namespace parlow::rtf {

class ColourTable {
  public:
    void SetRed(int value) { SetComponent(red_, value); }
    void SetGreen(int value) { SetComponent(green_, value); }
    void SetBlue(int value) { SetComponent(blue_, value); }
    // Text inside the table only matters for the ';' that ends each entry.
    void AddText(QStringView text);
    // The colour at a \cf index; invalid for the automatic colour, an entry
    // without components and any index outside the table.
    QColor At(int index) const;

  private:
    void SetComponent(int& component, int value);
    void EndEntry();

    std::vector<QColor> colours_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool hasComponent_ = false;
};

class FontTable {
  public:
    void BeginEntry(int number);
    // Collects the family name; a ';' ends the entry.
    void AddText(QStringView text);
    // Empty for a font number the table does not know.
    QString Family(int number) const;

  private:
    void EndEntry();

    std::map<int, QString> families_;
    int current_ = -1;
    QString name_;
};

}  // namespace parlow::rtf

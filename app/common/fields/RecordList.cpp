#include "RecordList.h"

#include <QTreeWidget>

namespace parlow {

QTreeWidget* NewRecordList(QWidget* parent, const QStringList& headings,
                           std::initializer_list<int> chars) {
    auto* list = new QTreeWidget(parent);
    list->setHeaderLabels(headings);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    const int charWidth = parent->fontMetrics().horizontalAdvance('0');
    int width = 0;
    int column = 0;
    for (int columnChars : chars) {
        list->setColumnWidth(column++, charWidth * columnChars);
        width += charWidth * columnChars;
    }
    list->setMinimumSize(width + 2 * list->frameWidth() + 4, parent->fontMetrics().height() * 14);
    return list;
}

}  // namespace parlow

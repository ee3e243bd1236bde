#include "ui/fields/RecordList.h"

#include <QTreeWidget>

#include "ui/BusyCursor.h"
#include "ui/ScreenSteps.h"

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

void FillRecordList(QTreeWidget* list,
                    const std::function<zeviza::RecordSetPtr(zeviza::Putt&)>& read,
                    std::initializer_list<const char*> columns) {
    BusyCursor busy;
    list->clear();
    ReadSharedRows(read, [list, columns](const zeviza::RecordSet& record) {
        QStringList texts;
        for (const char* column : columns) {
            texts << QString::fromStdString(record.Field(column).ToText());
        }
        auto* row = new QTreeWidgetItem(texts);
        row->setData(0, Qt::UserRole, texts.front());
        list->addTopLevelItem(row);
    });
}

}  // namespace parlow

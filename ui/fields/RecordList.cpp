#include "ui/fields/RecordList.h"

#include <QItemSelectionModel>
#include <QTreeWidget>

#include "ui/BusyCursor.h"
#include "ui/ScreenSteps.h"

namespace parlow {

namespace {

QModelIndex RowOfKey(const QTreeView* list, const QString& key) {
    const QAbstractItemModel* model = list->model();
    if (key.isEmpty() || model == nullptr) {
        return {};
    }
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex first = model->index(row, 0);
        if (first.data().toString() == key) {
            return first;
        }
    }
    return {};
}

}  // namespace

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

void RefillKeepingChoice(QTreeView* list, const QString& shownKey,
                         const std::function<void()>& fill,
                         const std::function<void(const QModelIndex&)>& show,
                         const std::function<void()>& clear) {
    const QModelIndex current = list->currentIndex();
    const QString highlighted =
        current.isValid() ? current.siblingAtColumn(0).data().toString() : QString();
    fill();
    if (const QModelIndex row = RowOfKey(list, highlighted); row.isValid()) {
        list->selectionModel()->setCurrentIndex(
            row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list->scrollTo(row);
    }
    if (shownKey.isEmpty()) {
        return;
    }
    if (const QModelIndex row = RowOfKey(list, shownKey); row.isValid()) {
        show(row);
    } else {
        clear();
    }
}

}  // namespace parlow

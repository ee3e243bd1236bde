#pragma once
// A short record list as a QTreeWidget: one row chosen at a time, `chars`
// digits of width per column, and tall enough for a dozen rows at once.
#include <QStringList>
#include <functional>
#include <initializer_list>

#include "zeviza/Putt.h"

class QModelIndex;
class QString;
class QTreeView;
class QTreeWidget;
class QWidget;

namespace parlow {

QTreeWidget* NewRecordList(QWidget* parent, const QStringList& headings,
                           std::initializer_list<int> chars);

// Refills `list` under a busy pointer from one read, a row per record showing
// the named columns. The first column's text is also the row's key
// (Qt::UserRole of column 0), which stays whatever the list shows.
void FillRecordList(QTreeWidget* list,
                    const std::function<zeviza::RecordSetPtr(zeviza::Putt&)>& read,
                    std::initializer_list<const char*> columns);

// Fills a record list again through `fill` and keeps the user's choice: the
// highlighted record is highlighted again where it is still listed, and the
// record shown from the list (key `shownKey`, empty for none) is shown again
// from its new row through `show`, or `clear`ed when it is gone. A row's key
// is its first column's text. The focus stays where it is.
void RefillKeepingChoice(QTreeView* list, const QString& shownKey,
                         const std::function<void()>& fill,
                         const std::function<void(const QModelIndex&)>& show,
                         const std::function<void()>& clear);

}  // namespace parlow

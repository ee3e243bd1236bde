#pragma once
// A short record list as a QTreeWidget: one row chosen at a time, `chars`
// digits of width per column, and tall enough for a dozen rows at once.
#include <QStringList>
#include <functional>
#include <initializer_list>

#include "zeviza/Putt.h"

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

}  // namespace parlow

#pragma once
// A short record list as a QTreeWidget: one row chosen at a time, `chars`
// digits of width per column, and tall enough for a dozen rows at once.
#include <QStringList>
#include <initializer_list>

class QTreeWidget;
class QWidget;

namespace parlow {

QTreeWidget* NewRecordList(QWidget* parent, const QStringList& headings,
                           std::initializer_list<int> chars);

}  // namespace parlow

#include "ui/fields/StateList.h"

#include <QComboBox>

#include "ui/ScreenSteps.h"

namespace parlow {

QComboBox* NewStateList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->setMaxVisibleItems(16);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(18);
    return list;
}

QStringList ReadStateEntries(const std::function<QString(const zeviza::RecordSet&)>& entry,
                             const QString& separator) {
    QStringList entries;
    auto add = [&entries, &entry](const zeviza::RecordSet& row) { entries << entry(row); };
    ReadSharedRows([](zeviza::Putt& putt) { return putt.LoadStates(); }, add);
    entries << separator;
    ReadSharedRows([](zeviza::Putt& putt) { return putt.LoadCanada(); }, add);
    return entries;
}

}  // namespace parlow

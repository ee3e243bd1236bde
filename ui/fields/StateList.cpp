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

bool ShowsListedState(const QComboBox& list) {
    const QString text = list.currentText();
    if (text.isEmpty()) {
        return true;
    }
    for (int row = 0; row < list.count(); ++row) {
        const QString entry = list.itemText(row);
        if (entry == text || entry.startsWith(text + " - ")) {
            return true;
        }
    }
    return false;
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

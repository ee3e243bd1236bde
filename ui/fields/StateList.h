#pragma once
// The state/province drop-down lists of the golfer and course forms, and
// the rows they list: every US state, a separator, every Canadian province.
#include <QString>
#include <QStringList>
#include <functional>

#include "zeviza/RecordSet.h"

class QComboBox;
class QWidget;

namespace parlow {

// Typing is allowed, so no completer rewrites what was typed.
QComboBox* NewStateList(QWidget* parent);

// The states, then `separator`, then the provinces, each row shown as
// `entry` makes it. A failed read lists none of its rows.
QStringList ReadStateEntries(const std::function<QString(const zeviza::RecordSet&)>& entry,
                             const QString& separator);

}  // namespace parlow

#pragma once
// A change or removal of the record a screen shows. The screen hands over
// what it showed of the record (zeviza::ShownRecord); the library confirms,
// in the write's own unit of work, that the stored record still holds it.
// When it does not (removed meanwhile, or its identifier given out again to
// another record), nothing is written, the user is told, the screen's list
// is filled again and so is every other list of that kind of record. A
// written record is announced to the other lists (RecordNotice.h).
//
//   parlow::ShownWrite write{this, RecordKind::Golfers, shown_, kChangedText,
//                            [this] { FillList(); }};
//   parlow::WriteAsShown(write, [&id](zeviza::Putt& putt, zeviza::ShownRecord* shown) {
//       return putt.DeleteGolfer(id, shown);
//   });
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "ui/RecordNotice.h"
#include "zeviza/Putt.h"
#include "zeviza/ShownRecord.h"

class QWidget;

namespace parlow {

enum class ShownWriteResult { Written, NotWritten, RecordChanged };

struct ShownWrite {
    QWidget* screen = nullptr;
    RecordKinds kinds;  // every kind of record the write touches
    zeviza::ShownRecord shown;
    std::string changedText;       // told when the record is no longer as shown
    std::function<void()> refill;  // the screen's own list, then
};

using ShownWriteCall = std::function<bool(zeviza::Putt&, zeviza::ShownRecord*)>;

// Runs `write` under the busy pointer with the record as shown.
ShownWriteResult WriteAsShown(ShownWrite& write, const ShownWriteCall& call);

// The texts a record's row shows, column by column, for a ShownRecord.
zeviza::ShownRecord ShownColumns(std::initializer_list<std::pair<const char*, QString>> shown);

}  // namespace parlow

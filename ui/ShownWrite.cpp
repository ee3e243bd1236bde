#include "ui/ShownWrite.h"

#include <QString>

#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"

namespace parlow {

ShownWriteResult WriteAsShown(ShownWrite& write, const ShownWriteCall& call) {
    bool written = false;
    {
        BusyCursor busy;
        written = PuttStep([&](zeviza::Putt& putt) { return call(putt, &write.shown); });
    }
    if (written) {
        AnnounceWrite(write.kinds, write.screen);
        return ShownWriteResult::Written;
    }
    if (!write.shown.changed) {
        return ShownWriteResult::NotWritten;
    }
    // What the lists show is older than what is stored: all of them catch up.
    if (write.refill) {
        write.refill();
    }
    AnnounceWrite(write.kinds, write.screen);
    ShowMessage(write.changedText, zeviza::Icon::Warning);
    return ShownWriteResult::RecordChanged;
}

zeviza::ShownRecord ShownColumns(std::initializer_list<std::pair<const char*, QString>> shown) {
    zeviza::ShownRecord record;
    for (const auto& [column, text] : shown) {
        record.Add(column, text.toStdString());
    }
    return record;
}

}  // namespace parlow

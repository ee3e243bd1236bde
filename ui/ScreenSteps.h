#pragma once
// How a screen takes one step against the data library, and how it closes.
// A step that throws, or finds no Putt, has failed like one that returned
// false or no records: the screen goes on and never takes it for success.
#include <QMdiSubWindow>
#include <QWidget>
#include <utility>

#include "ui/ProgramState.h"
#include "ui/modGlobal.h"
#include "zeviza/Putt.h"

namespace parlow {

// Calls `call` with the current Putt; a failure gives the result type's empty
// value (false, no record set).
template <typename Call>
auto PuttStep(Call&& call) -> decltype(call(std::declval<zeviza::Putt&>())) {
    using Result = decltype(call(std::declval<zeviza::Putt&>()));
    zeviza::Putt* putt = CurrentPutt();
    if (putt == nullptr) {
        return Result{};
    }
    try {
        return call(*putt);
    } catch (...) {
        return Result{};
    }
}

// Fills the shared record set from one read, hands every row to `row`, and
// closes the set again. A row that cannot be read ends the reading.
template <typename Read, typename Row>
void ReadSharedRows(Read&& read, Row&& row) {
    SharedRecordset() = PuttStep(std::forward<Read>(read));
    try {
        if (auto& records = SharedRecordset()) {
            for (; !records->Eof(); records->MoveNext()) {
                row(*records);
            }
        }
    } catch (...) {
    }
    CloseSharedRecordset();
}

// A screen opens even without a database; every step it takes then fails
// and says so.
inline void OpenPuttIfAny() {
    try {
        NewPutt();
    } catch (...) {
    }
}

// A screen lives in a sub-window of the main window, or stands alone in a
// window of its own (the tests, the screenshots).
inline void CloseScreen(QWidget* screen) {
    for (QWidget* up = screen; up != nullptr; up = up->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(up)) {
            sub->close();
            return;
        }
    }
    screen->window()->close();
}

}  // namespace parlow

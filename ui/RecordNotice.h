#pragma once
// The one program-wide notice of what the screens write. A screen that lists
// golfers, courses or games fills its list again whenever another screen
// writes a record of that kind, so no open list offers a record that is gone
// or shows one as it no longer is. The writing screen looks after its own.
#include <QFlags>
#include <functional>
#include <utility>

#include "ui/ScreenSteps.h"

class QWidget;

namespace parlow {

enum class RecordKind { Golfers = 0x1, Courses = 0x2, Games = 0x4 };
Q_DECLARE_FLAGS(RecordKinds, RecordKind)

// Every list of one of `kinds` fills itself again, except `from`'s own.
void AnnounceWrite(RecordKinds kinds, const QWidget* from);

// `refill` runs whenever another screen writes a record of `kinds`, for as
// long as `screen` lives. It must keep the user's choice where the record
// still exists, and never move the focus.
void RefillOnWrite(QWidget* screen, RecordKinds kinds, std::function<void()> refill);

// A write through the current Putt, as PuttStep; when it succeeds the other
// lists of `kinds` hear of it.
template <typename Call>
bool WriteStep(const QWidget* from, RecordKinds kinds, Call&& call) {
    const bool written = PuttStep(std::forward<Call>(call));
    if (written) {
        AnnounceWrite(kinds, from);
    }
    return written;
}

}  // namespace parlow

Q_DECLARE_OPERATORS_FOR_FLAGS(parlow::RecordKinds)

#include "ui/RecordNotice.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace parlow {

namespace {

struct Listener {
    QPointer<QWidget> screen;  // null once the screen is gone
    RecordKinds kinds;
    std::function<void()> refill;
};

std::vector<Listener>& Listeners() {
    static std::vector<Listener> listeners;
    return listeners;
}

}  // namespace

void AnnounceWrite(RecordKinds kinds, const QWidget* from) {
    auto& listeners = Listeners();
    std::erase_if(listeners, [](const Listener& l) { return l.screen.isNull(); });
    // A refill may close or open screens; it works on a copy of the list.
    const std::vector<Listener> now = listeners;
    for (const Listener& listener : now) {
        if (listener.screen.isNull() || listener.screen == from || !(listener.kinds & kinds)) {
            continue;
        }
        try {
            listener.refill();
        } catch (...) {
            // A list that cannot be filled keeps what it has, as on opening.
        }
    }
}

void RefillOnWrite(QWidget* screen, RecordKinds kinds, std::function<void()> refill) {
    Listeners().push_back({screen, kinds, std::move(refill)});
}

}  // namespace parlow

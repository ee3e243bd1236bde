#include "reports/review/ReportEnvironment.h"

#include <memory>

#include "ui/ProgramState.h"
#include "ui/ShutDownHooks.h"

namespace parlow::reports {

namespace {
std::unique_ptr<DataReport>& Slot() {
    static std::unique_ptr<DataReport> environment;
    return environment;
}
}  // namespace

DataReport& ReportEnvironment() {
    static const bool releasedAtShutDown = [] {
        OnShutDown([] { Slot().reset(); });
        return true;
    }();
    (void)releasedAtShutDown;
    if (!Slot()) {
        Slot() = std::make_unique<DataReport>(ProgramFolder());
    }
    return *Slot();
}

}  // namespace parlow::reports

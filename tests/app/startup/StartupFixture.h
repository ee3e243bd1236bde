#pragma once
// What the start-up tests share: a start without the splash whose shut-down
// is counted instead of ending the test, looked at once the check and backup
// that run behind the shown window are done.
#include "app/StartupCheck.h"
#include "app/modMain.h"
#include "tests/support/gui/GuiTest.h"

namespace startup_test {

class StartupFixture : public testing_support::GuiTest {
  protected:
    parlow::StartupResult Start() {
        parlow::StartupOptions options;
        options.showSplash = false;
        options.shutDown = [this] { ++shutDowns; };
        auto started = parlow::Main(options);
        parlow::WaitForStartupCheck();
        return started;
    }
    static bool Refused(const parlow::StartupResult& started) {
        return started.mainWindow == nullptr || !started.mainWindow->isVisible();
    }
    int shutDowns = 0;
};

}  // namespace startup_test

#pragma once
// The menu commands that open a screen: what each checks first, and the
// screen it opens. The command's name is also its window's name, which keeps
// each screen open once.
#include <string>
#include <vector>

#include "app/windows/MdiScreens.h"
#include "app/windows/RecordChecks.h"

namespace parlow {

struct ScreenCommand {
    std::string name;
    std::vector<RecordCheck> checks;
    ScreenMaker screen;  // empty while the screen is still to be built
};

const std::vector<ScreenCommand>& ScreenCommands();

// The command of that name, or nullptr.
const ScreenCommand* FindScreenCommand(const std::string& name);

}  // namespace parlow

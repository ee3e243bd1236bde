#pragma once

namespace parlow {

// Shows the splash screen while the main window prepares itself.
void RunSplash();

}  // namespace parlow

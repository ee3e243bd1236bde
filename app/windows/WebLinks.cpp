#include "app/windows/WebLinks.h"

#include "ui/Platform.h"
#include "ui/modGlobal.h"

namespace parlow {

void OpenWebPage(const std::string& address) {
    try {
        const std::string browser =
            ReadRegistryString("htmlfile\\shell\\open\\command", "", true, false, false, false,
                               false, false, false, false);
        // Without a browser the address alone would be taken for a program.
        if (browser.empty()) {
            return;
        }
        StartDetached(browser + " " + address);
    } catch (...) {
    }
}

}  // namespace parlow

#include "zeviza/Prompts.h"

#include <iostream>

namespace zeviza {

namespace {
Prompts* installed = nullptr;
}

void InstallPrompts(Prompts* prompts) {
    installed = prompts;
}

Prompts* InstalledPrompts() {
    return installed;
}

Answer ShowBox(const Box& box) {
    if (installed != nullptr) {
        return installed->Show(box);
    }
    std::cerr << box.title << ": " << box.text << '\n';
    return box.defaultButton;
}

}  // namespace zeviza

#include "tests/support/ScriptedPrompts.h"

namespace testing_support {

ScriptedPrompts::ScriptedPrompts() : previous_(zeviza::InstalledPrompts()) {
    zeviza::InstallPrompts(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    zeviza::InstallPrompts(previous_);
}

zeviza::Answer ScriptedPrompts::Show(const zeviza::Box& box) {
    shown_.push_back(box);
    if (box.buttons == zeviza::Buttons::Ok) {
        return zeviza::Answer::Ok;
    }
    if (answers_.empty()) {
        return box.defaultButton;
    }
    const auto answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace testing_support

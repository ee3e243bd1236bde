#pragma once
// A check that failed says why and puts the focus on the field at fault
// (when there is one), so the user corrects it where it is.
#include <string>

#include "zeviza/Prompts.h"

class QWidget;

namespace parlow {

// True when the check passed; otherwise shows `message` with `icon`.
bool PassesCheck(bool pass, const std::string& message, zeviza::Icon icon, QWidget* field);

}  // namespace parlow

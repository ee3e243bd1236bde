#include "ui/fields/CheckPrompt.h"

#include <QWidget>

#include "ui/QtPrompts.h"

namespace parlow {

bool PassesCheck(bool pass, const std::string& message, zeviza::Icon icon, QWidget* field) {
    if (pass) {
        return true;
    }
    ShowMessage(message, icon);
    if (field != nullptr) {
        field->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

}  // namespace parlow

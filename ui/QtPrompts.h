#pragma once
// The program's prompts: each box is a QMessageBox with the exact title,
// text, icon, buttons and default button asked for.
#include "zeviza/Prompts.h"

namespace parlow {

class QtPrompts : public zeviza::Prompts {
  public:
    zeviza::Answer Show(const zeviza::Box& box) override;
};

// Every box the program shows goes through the installed prompts, so tests
// can answer and read them. A box without a title gets the program's title.
void ShowMessage(const std::string& text, zeviza::Icon icon, const std::string& title = {});
bool AskYesNo(const std::string& text, const std::string& title = {},
              zeviza::Answer defaultButton = zeviza::Answer::Yes,
              zeviza::Icon icon = zeviza::Icon::Question);

}  // namespace parlow

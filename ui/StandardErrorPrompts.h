#pragma once
// The prompts of a run no one sees: where nothing is drawn (the offscreen
// and minimal platforms: scripted runs, tests of the program itself) no one
// could answer a box, and a start would wait forever. Each box goes to
// standard error instead and its default button is taken.
#include <memory>

#include "zeviza/Prompts.h"

namespace parlow {

class StandardErrorPrompts : public zeviza::Prompts {
  public:
    zeviza::Answer Show(const zeviza::Box& box) override;
};

// The prompts for this run's platform, chosen once the application exists:
// message boxes where they are drawn, standard error where they are not.
std::unique_ptr<zeviza::Prompts> ProgramPrompts();

}  // namespace parlow

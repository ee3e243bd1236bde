#pragma once
// Prompts for tests: every box shown is recorded, questions are answered from
// a queue (the box's default button when the queue is empty). Installed for
// the lifetime of the object.
#include <deque>
#include <vector>

#include "zeviza/Prompts.h"

namespace testing_support {

class ScriptedPrompts : public zeviza::Prompts {
  public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    zeviza::Answer Show(const zeviza::Box& box) override;

    void Answer(zeviza::Answer answer) { answers_.push_back(answer); }
    const std::vector<zeviza::Box>& Shown() const { return shown_; }
    const zeviza::Box& Last() const { return shown_.back(); }
    void Clear() { shown_.clear(); }

  private:
    zeviza::Prompts* previous_;
    std::deque<zeviza::Answer> answers_;
    std::vector<zeviza::Box> shown_;
};

}  // namespace testing_support

#pragma once
// The library never draws a window. Every box it shows goes through the
// prompts the program (or a test) installs, so each one can be answered and
// read back.
#include <string>

namespace zeviza {

enum class Icon { None, Critical, Question, Warning, Information };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Box {
    std::string title;
    std::string text;  // line breaks are "\r\n", as the messages are written
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
};

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual Answer Show(const Box& box) = 0;
};

// The installed prompts are not owned. With none installed, a box is written
// to standard error and answered with its default button.
void InstallPrompts(Prompts* prompts);
Prompts* InstalledPrompts();
Answer ShowBox(const Box& box);

}  // namespace zeviza

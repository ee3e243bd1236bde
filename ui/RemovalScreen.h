#pragma once
// What the removal screens share: the Remove, Clear and Exit buttons, the
// chosen record's values under their captions, and the removal itself. Each
// screen keeps its own list, texts and steps.
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

#include "zeviza/Prompts.h"
#include "zeviza/Putt.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace parlow {

struct RemovalButtons {
    QPushButton* remove = nullptr;
    QPushButton* clear = nullptr;
    QPushButton* exit = nullptr;
};

// Exit closes `screen`; Remove and Clear are the screen's own to connect.
RemovalButtons NewRemovalButtons(QWidget* screen);

// The buttons at the right end of a row, each wide enough for ten digits.
QHBoxLayout* NewButtonRow(QWidget* screen, const RemovalButtons& buttons);

// Each caption stands over its value, in one row like the list's columns.
using CaptionedValue = std::pair<const char*, QLabel*>;
QGridLayout* NewValuesUnderCaptions(QWidget* screen, std::initializer_list<CaptionedValue> values);

void ClearValues(std::initializer_list<QLabel*> values);

struct RemovalTexts {
    const char* chooseFirst;  // while no record is chosen
    zeviza::Icon chooseFirstIcon;
    const char* removed;
    const char* notRemoved;
};

// Removes the record whose identifier `chosenId` shows through `step`, under
// a busy pointer, and says how it went; refuses while nothing is chosen.
// True when the record is gone.
bool RemoveChosen(const QString& chosenId, const RemovalTexts& texts,
                  const std::function<bool(zeviza::Putt&)>& step);

}  // namespace parlow

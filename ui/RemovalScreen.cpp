#include "ui/RemovalScreen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"

namespace parlow {

RemovalButtons NewRemovalButtons(QWidget* screen) {
    RemovalButtons buttons{new QPushButton("&Remove", screen), new QPushButton("&Clear", screen),
                           new QPushButton("e&Xit", screen)};
    QObject::connect(buttons.exit, &QPushButton::clicked, screen,
                     [screen] { CloseScreen(screen); });
    return buttons;
}

QHBoxLayout* NewButtonRow(QWidget* screen, const RemovalButtons& buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : {buttons.remove, buttons.clear, buttons.exit}) {
        button->setMinimumWidth(screen->fontMetrics().horizontalAdvance('0') * 10);
        row->addWidget(button);
    }
    return row;
}

QGridLayout* NewValuesUnderCaptions(QWidget* screen, std::initializer_list<CaptionedValue> values) {
    auto* grid = new QGridLayout;
    int column = 0;
    for (const auto& [caption, value] : values) {
        grid->addWidget(new QLabel(caption, screen), 0, column);
        grid->addWidget(value, 1, column++);
    }
    return grid;
}

void ClearValues(std::initializer_list<QLabel*> values) {
    for (QLabel* value : values) {
        value->clear();
    }
}

bool RemoveChosen(const QString& chosenId, const RemovalTexts& texts,
                  const std::function<bool(zeviza::Putt&)>& step) {
    if (chosenId.isEmpty()) {
        ShowMessage(texts.chooseFirst, texts.chooseFirstIcon);
        return false;
    }
    bool removed = false;
    {
        BusyCursor busy;
        removed = PuttStep(step);
    }
    ShowMessage(removed ? texts.removed : texts.notRemoved, zeviza::Icon::Warning);
    return removed;
}

}  // namespace parlow

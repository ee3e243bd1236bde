#include "ui/StandardErrorPrompts.h"

#include <QGuiApplication>
#include <QString>
#include <iostream>

#include "ui/QtPrompts.h"
#include "ui/Terminal.h"

namespace parlow {

namespace {

bool NoOneSeesBoxes() {
    const QString platform = QGuiApplication::platformName();
    return platform == "offscreen" || platform == "minimal";
}

}  // namespace

zeviza::Answer StandardErrorPrompts::Show(const zeviza::Box& box) {
    const bool question = box.buttons == zeviza::Buttons::YesNo;
    const zeviza::Answer answer = question ? box.defaultButton : zeviza::Answer::Ok;
    QString text = QString::fromStdString(box.text);
    text.replace("\r\n", "\n");
    std::cerr << kMessagePrefix << QString::fromStdString(box.title).trimmed().toStdString() << '\n'
              << text.toStdString() << '\n';
    if (question) {
        std::cerr << "(answered " << (answer == zeviza::Answer::Yes ? "Yes" : "No") << ")\n";
    }
    return answer;
}

std::unique_ptr<zeviza::Prompts> ProgramPrompts() {
    if (NoOneSeesBoxes()) {
        return std::make_unique<StandardErrorPrompts>();
    }
    return std::make_unique<QtPrompts>();
}

}  // namespace parlow

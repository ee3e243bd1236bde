#include "ui/QtPrompts.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/ProgramState.h"

namespace parlow {

namespace {

QMessageBox::Icon ToQt(zeviza::Icon icon) {
    switch (icon) {
        case zeviza::Icon::Critical:
            return QMessageBox::Critical;
        case zeviza::Icon::Question:
            return QMessageBox::Question;
        case zeviza::Icon::Warning:
            return QMessageBox::Warning;
        case zeviza::Icon::Information:
            return QMessageBox::Information;
        case zeviza::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Lifts every busy pointer for the life of a box and puts them back after.
class PointerLifted {
  public:
    PointerLifted() {
        while (QApplication::overrideCursor() != nullptr) {
            QApplication::restoreOverrideCursor();
            ++lifted_;
        }
    }
    ~PointerLifted() {
        for (int i = 0; i < lifted_; ++i) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }

  private:
    int lifted_ = 0;
};

}  // namespace

zeviza::Answer QtPrompts::Show(const zeviza::Box& box) {
    PointerLifted lifted;
    QMessageBox message(ToQt(box.icon), QString::fromStdString(box.title),
                        QString::fromStdString(box.text), QMessageBox::NoButton,
                        QApplication::activeWindow());
    if (box.buttons == zeviza::Buttons::YesNo) {
        message.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        message.setDefaultButton(box.defaultButton == zeviza::Answer::Yes ? QMessageBox::Yes
                                                                          : QMessageBox::No);
        message.setEscapeButton(QMessageBox::No);
        return message.exec() == QMessageBox::Yes ? zeviza::Answer::Yes : zeviza::Answer::No;
    }
    message.setStandardButtons(QMessageBox::Ok);
    message.exec();
    return zeviza::Answer::Ok;
}

void ShowMessage(const std::string& text, zeviza::Icon icon, const std::string& title) {
    zeviza::Box box;
    box.title = title.empty() ? kAppTitle : title;
    box.text = text;
    box.icon = icon;
    zeviza::ShowBox(box);
}

bool AskYesNo(const std::string& text, const std::string& title, zeviza::Answer defaultButton,
              zeviza::Icon icon) {
    zeviza::Box box;
    box.title = title.empty() ? kAppTitle : title;
    box.text = text;
    box.icon = icon;
    box.buttons = zeviza::Buttons::YesNo;
    box.defaultButton = defaultButton;
    return zeviza::ShowBox(box) == zeviza::Answer::Yes;
}

}  // namespace parlow

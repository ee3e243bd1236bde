#include "tests/support/gui/GuiTest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/ProgramState.h"
#include "ui/modGlobal.h"

namespace testing_support {

GuiTest::GuiTest() {
    parlow::SetProgramFolder(folder.Path());
}

GuiTest::~GuiTest() {
    parlow::ReleaseEverything();
    Settle();
}

void GuiTest::Type(QWidget* field, const QString& text) {
    field->setFocus(Qt::OtherFocusReason);
    Settle();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->clear();
    } else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->isEditable()) {
        combo->clearEditText();
    }
    TypeKeys(QApplication::focusWidget() ? QApplication::focusWidget() : field, text);
    Settle();
}

void GuiTest::TypeKeys(QWidget* target, const QString& text) {
    for (int at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
            continue;
        }
        const int length = c.isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(at, length),
                            Qt::NoModifier);
        at += length - 1;
    }
}

void GuiTest::PressEnter(QWidget* widget) {
    PressKey(widget, Qt::Key_Return);
}

void GuiTest::PressKey(QWidget* widget, Qt::Key key) {
    QWidget* target =
        QApplication::focusWidget() != nullptr &&
                (widget == nullptr || widget->isAncestorOf(QApplication::focusWidget()))
            ? QApplication::focusWidget()
            : widget;
    QTest::keyClick(target, key);
    Settle();
}

void GuiTest::Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

void GuiTest::ChooseEntry(QComboBox* list, int index) {
    list->showPopup();
    Settle();
    QAbstractItemView* entries = list->view();
    entries->setCurrentIndex(list->model()->index(index, list->modelColumn()));
    QTest::keyClick(entries, Qt::Key_Return);
    Settle();
}

void GuiTest::Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

QWidget* GuiTest::Focused() {
    return QApplication::focusWidget();
}

bool GuiTest::IsLit(const QLabel* caption, const QColor& colour, bool bold) {
    return caption->palette().color(QPalette::WindowText) == colour &&
           caption->font().bold() == bold;
}

void GuiTest::ShowAndActivate(QWidget* screen) {
    screen->show();
    QApplication::setActiveWindow(screen->window());
    screen->activateWindow();
    (void)QTest::qWaitForWindowActive(screen->window(), 1000);
    Settle();
}

}  // namespace testing_support

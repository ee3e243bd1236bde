#pragma once
// The base of every screen test: an offscreen application (see GuiTestMain),
// a fresh program folder holding a copy of the shipped database, scripted
// prompts that record every box, and helpers to type and press keys.
#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <QWidget>
#include <string>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"

class QAbstractButton;
class QComboBox;
class QLabel;

namespace testing_support {

class GuiTest : public ::testing::Test {
  public:
    // Focuses a field, clears it and types the text as key strokes.
    static void Type(QWidget* field, const QString& text);
    // Key strokes into a widget as they stand; letters beyond ASCII arrive
    // as a keyboard layout would send them, as text without a key code.
    static void TypeKeys(QWidget* target, const QString& text);
    static void PressEnter(QWidget* widget);
    static void PressKey(QWidget* widget, Qt::Key key);
    static void Click(QAbstractButton* button);
    // Picks the entry at `index` from the list's drop-down with Enter, as a
    // user does, even when it is the entry already shown.
    static void ChooseEntry(QComboBox* list, int index);
    // Lets queued events (focus changes, deferred deletes) run.
    static void Settle();
    static QWidget* Focused();
    // True when the caption shows lit: the given colour, bold as asked.
    static bool IsLit(const QLabel* caption, const QColor& colour = QColor(0, 0, 255),
                      bool bold = true);

    // Shows a screen in its own top-level window and makes it active, so
    // focus events arrive as they would on the desktop.
    static void ShowAndActivate(QWidget* screen);

  protected:
    GuiTest();
    ~GuiTest() override;

    ProgramFolder folder;
    ScriptedPrompts prompts;
};

}  // namespace testing_support

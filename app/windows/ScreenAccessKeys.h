#pragma once
// The access keys of the screen in front win over the menu bar's: Alt+R on
// a screen with a "&Remove" button presses it instead of opening "&Reports".
// A button's key presses it, a label's key puts the focus in its buddy, as
// Qt does; keys the screen does not use still open the menus.
#include "app/windows/FrontScreenKeys.h"

namespace parlow {

class ScreenAccessKeys : public FrontScreenKeys {
  public:
    ScreenAccessKeys(QWidget* frame, QMdiArea* area) : FrontScreenKeys(frame, area) {}

  protected:
    bool Takes(const QKeyEvent* key, QMdiSubWindow* front) const override;
    void Act(const QKeyEvent* key, QMdiSubWindow* front) override;
};

}  // namespace parlow

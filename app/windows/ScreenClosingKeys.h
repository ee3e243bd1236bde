#pragma once
// Ctrl+F4 and Esc close the screen in front, as Ctrl+W does. Esc belongs to
// an open drop-down list or calendar first: it only closes that.
#include "app/windows/FrontScreenKeys.h"

namespace parlow {

class ScreenClosingKeys : public FrontScreenKeys {
  public:
    ScreenClosingKeys(QWidget* frame, QMdiArea* area) : FrontScreenKeys(frame, area) {}

  protected:
    bool Takes(const QKeyEvent* key, QMdiSubWindow* front) const override;
    void Act(const QKeyEvent* key, QMdiSubWindow* front) override;
};

}  // namespace parlow

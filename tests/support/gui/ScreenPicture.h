#pragma once
// For the screenshot programs: one screen in a sub-window of a bare main
// window, as the program shows it, saved as a picture.
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

namespace testing_support {

// Opens `screen` in a sub-window at the size it opens with, lets `fill` work
// on it, and saves the main window's picture to `file`. The main window is
// `desktop` large, or just larger than the sub-window when `desktop` is empty.
bool SaveScreenPicture(QWidget* screen, const std::function<void()>& fill, const QString& file,
                       QSize desktop = {});

}  // namespace testing_support

#pragma once
// What tells a window apart from another of the same caption in the Window
// menu ("Review Game Records — History"): set on the screen or on its
// sub-window. Without one, windows of one caption are numbered in the order
// they opened.
#include <QString>
#include <QVariant>
#include <QWidget>

namespace parlow {

inline constexpr const char* kWindowDetailProperty = "windowMenuDetail";

inline void SetWindowDetail(QWidget* window, const QString& detail) {
    window->setProperty(kWindowDetailProperty, detail);
}

inline QString WindowDetail(const QWidget* window) {
    return window != nullptr ? window->property(kWindowDetailProperty).toString() : QString();
}

}  // namespace parlow

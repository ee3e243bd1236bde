#pragma once
// The house style every printed sheet shares.
#include <QColor>

#include "reports/engine/Layout.h"

namespace parlow::reports::style {

inline const FontSpec kBody{"Arial", 8.25, false, false};
inline const FontSpec kCaption{"Arial", 8.25, true, false};
inline const FontSpec kTitle{"Comic Sans MS", 14.25, true, false};
inline const FontSpec kIdentifying{"Arial", 9.75, true, false};
inline const FontSpec kSmallPrint{"Arial", 6.75, false, false};
inline const FontSpec kGroupName{"Arial", 12, true, false};
inline const FontSpec kUnderlinedCaption{"Arial", 8.25, true, true};

inline const QColor kBlue(0, 0, 255);
inline const QColor kDarkGrey(64, 64, 64);
inline const QColor kBlack(0, 0, 0);

// The height of one printed line of body text, and of a ruled line to write on.
inline constexpr int kRow = 240;
inline constexpr int kWritingLine = 360;
inline constexpr int kThinPen = 10;
inline constexpr int kRulePen = 20;

}  // namespace parlow::reports::style

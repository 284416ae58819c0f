#pragma once

#include <span>

#include "ui/control.h"

namespace ui {

// The worksheet's client area, in twips.
inline constexpr int kWorksheetWidthTwips = 7845;
inline constexpr int kWorksheetHeightTwips = 8595;

// Every control of the worksheet window: 44 fields, 45 captions,
// 14 buttons and 6 lines.
std::span<const Control> WorksheetControls();

}  // namespace ui

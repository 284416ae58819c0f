#pragma once

#include <Qt>

namespace ui {

// The frame of a fixed-size dialog: title, system menu and close box, and
// nothing to minimise, maximise or resize.
inline constexpr Qt::WindowFlags kDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace ui

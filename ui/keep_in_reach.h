#pragma once

class QWidget;

namespace ui {

// Keeps a modal box in the person's reach while it is open. A window
// manager may minimise a box on its own, and with it the window it
// belongs to; every other window of the program then looks frozen, as the
// box still blocks it. So whenever one of them is activated, by a click,
// the taskbar or the keyboard, the box comes back: restored with its
// owners, raised and active, as Windows does for its own dialogs.
void KeepInReach(QWidget& box);

}  // namespace ui

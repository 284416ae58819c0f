#pragma once

#include <QObject>

class QEvent;
class QWidget;
class QWindow;

namespace ui {

// Keeps a modal box in the person's reach while it is open. A window
// manager may minimise a box, and the window it belongs to with it; every
// other window of the program would then look frozen, as the box still
// blocks it, and X11 gives such a window neither the click nor the focus.
// So a minimised box, or a box whose owner was minimised, comes straight
// back, restored with its owners, and
// whenever another window of the program is activated the box is raised
// and made active again, as Windows does for its own dialogs.
class ReachKeeper : public QObject {
  Q_OBJECT

 public:
  // Lives as long as the box, as its child.
  explicit ReachKeeper(QWidget& box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnFocusWindowChanged(QWindow* focus);
  void BringBack();

  QWidget& box_;
};

}  // namespace ui

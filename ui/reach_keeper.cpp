#include "ui/reach_keeper.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ui {
namespace {

// The box's own windows, such as its context menu, may take the focus.
bool BelongsTo(const QWindow& window, const QWidget& box) {
  for (const QWindow* w = &window; w != nullptr; w = w->transientParent()) {
    if (w == box.windowHandle()) return true;
  }
  return false;
}

QWidget* OwnerOf(const QWidget& window) {
  return window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
}

void Restore(QWidget& window) {
  if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
}

}  // namespace

ReachKeeper::ReachKeeper(QWidget& box) : QObject(&box), box_(box) {
  // Windows hides a minimised window's owned boxes rather than minimising
  // them too, so the owners are watched as well.
  box.installEventFilter(this);
  for (QWidget* owner = OwnerOf(box); owner != nullptr; owner = OwnerOf(*owner)) {
    owner->installEventFilter(this);
  }
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ReachKeeper::OnFocusWindowChanged);
}

bool ReachKeeper::eventFilter(QObject* watched, QEvent* event) {
  const auto* window = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::WindowStateChange && window != nullptr && window->isMinimized()) {
    // After the window manager has finished minimising, not inside it.
    QTimer::singleShot(0, this, &ReachKeeper::BringBack);
  }
  return false;
}

void ReachKeeper::OnFocusWindowChanged(QWindow* focus) {
  if (focus != nullptr && !BelongsTo(*focus, box_)) BringBack();
}

void ReachKeeper::BringBack() {
  if (!box_.isVisible() || QApplication::activeModalWidget() != &box_) return;
  for (QWidget* owner = OwnerOf(box_); owner != nullptr; owner = OwnerOf(*owner)) Restore(*owner);
  Restore(box_);
  box_.raise();
  box_.activateWindow();
}

}  // namespace ui

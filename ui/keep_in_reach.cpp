#include "ui/keep_in_reach.h"

#include <QApplication>
#include <QGuiApplication>
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

void BringBack(QWidget& box) {
  for (QWidget* owner = OwnerOf(box); owner != nullptr; owner = OwnerOf(*owner)) Restore(*owner);
  Restore(box);
  box.raise();
  box.activateWindow();
}

}  // namespace

void KeepInReach(QWidget& box) {
  QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &box, [&box](QWindow* focus) {
    if (focus == nullptr || !box.isVisible() || QApplication::activeModalWidget() != &box) return;
    if (!BelongsTo(*focus, box)) BringBack(box);
  });
}

}  // namespace ui

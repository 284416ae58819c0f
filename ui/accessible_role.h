#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLatin1String>
#include <QWidget>

namespace ui {

// Accessibility interfaces for every widget of class W, in the given role.
template <typename W, QAccessible::Role kRole>
QAccessibleInterface* InRole(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(W::staticMetaObject.className()) && object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), kRole);
  }
  return nullptr;
}

// Has screen readers meet every widget of class W in the given role rather
// than in the one Qt gives its base class. Called by W's constructor; the
// first call installs the factory, the others do nothing.
template <typename W, QAccessible::Role kRole>
void AnnounceAs() {
  static const bool kInstalled = (QAccessible::installFactory(&InRole<W, kRole>), true);
  static_cast<void>(kInstalled);
}

}  // namespace ui

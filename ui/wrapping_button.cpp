#include "ui/wrapping_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

QRect WrappingButton::CaptionRect() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrappingButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (!enter || modifiers != Qt::NoModifier) {
    QPushButton::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) click();
  event->accept();
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();  // the bevel and focus frame only; the caption follows
  painter.drawControl(QStyle::CE_PushButton, option);
  painter.drawItemText(CaptionRect(), kTextFlags, palette(), isEnabled(), text(),
                       QPalette::ButtonText);
}

}  // namespace ui

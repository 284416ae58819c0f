#include "ui/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

QRect WrappingButton::CaptionRect() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
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

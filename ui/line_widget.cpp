#include "ui/line_widget.h"

#include <QPainter>
#include <QRect>

namespace ui {

LineWidget::LineWidget(QPoint from, QPoint to, QWidget* parent)
    : QWidget(parent), from_(from), to_(to) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(QRect(from, to).normalized());
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(foregroundRole()), 0));
  painter.drawLine(from_ - pos(), to_ - pos());
}

}  // namespace ui

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

// A pen one logical pixel wide, its square caps covering the end points'
// pixels: a rule fills its whole one-pixel band, at any scale and any
// scroll offset. A hairline is one device pixel that, at 250 % with the
// sheet scrolled by an odd number of pixels, falls between the device
// rows the band covers and is lost.
void LineWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::SolidLine, Qt::SquareCap));
  const QPointF centre(0.5, 0.5);
  painter.drawLine(QPointF(from_ - pos()) + centre, QPointF(to_ - pos()) + centre);
}

}  // namespace ui

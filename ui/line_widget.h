#pragma once

#include <QPoint>
#include <QWidget>

namespace ui {

// A straight line, one pixel wide, between two points of its parent, drawn
// in the widget's foreground colour. It takes no input.
class LineWidget : public QWidget {
  Q_OBJECT

 public:
  LineWidget(QPoint from, QPoint to, QWidget* parent = nullptr);

  [[nodiscard]] QPoint from() const { return from_; }
  [[nodiscard]] QPoint to() const { return to_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
};

}  // namespace ui

#pragma once

#include <QPushButton>

namespace ui {

// A push button whose centred caption wraps at spaces onto further lines
// when it is wider than the button, as the worksheet's tall buttons need.
// With the focus, Enter presses it as Space does, default button or not.
class WrappingButton : public QPushButton {
  Q_OBJECT

 public:
  explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

  // Flags for drawing and measuring the caption.
  static constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

  // Where the caption is drawn.
  [[nodiscard]] QRect CaptionRect() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui

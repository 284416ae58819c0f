#pragma once

#include <QLineEdit>
#include <optional>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QTextLayout;

namespace ui {

// A worksheet field: a line edit without a length limit that keeps its
// figure from being changed or misread unseen.
//  - A key pressed with Alt types nothing, as in a native edit box: access
//    keys elsewhere, or none, must not put a stray "d" or "7" into a figure.
//    AltGr, which some keyboards need for ordinary characters and which
//    Windows reports as Ctrl+Alt, still types.
//  - Without the focus it shows the start of its text, however far the
//    person scrolled inside it or wherever a text set from elsewhere left
//    the caret: "2.6503219512" at the tail of
//    "18492.6503219512" reads as another number. While its window is
//    merely inactive the caret and selection are kept and come back with
//    the window, so that typing on after switching windows goes on where
//    it left off.
//  - Without the focus, a figure too long for the field shows shortened by
//    the worksheet's rule (calc::ShownText): its cut marked, its exponent
//    and sign always shown. "1.9714285" cut from "1.97142857142857E-05"
//    reads as 1.97; "1.97142…E-05" does not.
//  - The keypad's decimal key types ".", the worksheet's only decimal
//    point, whatever the keyboard layout puts on it: on most European
//    layouts a comma, which would end the figure.
//  - A double-click selects the whole figure under the pointer, sign,
//    point and exponent with it, as a native edit box does: everything up
//    to the blanks on either side. A word-wise selection would copy
//    "3503219512" out of "11942.3503219512".
class SheetField : public QLineEdit {
  Q_OBJECT

 public:
  explicit SheetField(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void LayOut(QTextLayout& layout, QString shown) const;

  // Caret and selection as they were when the window went inactive.
  struct Kept {
    int anchor = 0;
    int caret = 0;
  };
  std::optional<Kept> kept_;
  bool typed_ = false;  // the text changing now is being typed
};

}  // namespace ui

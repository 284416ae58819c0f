#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>

class QKeyEvent;
class QLabel;
class QShowEvent;
class QWidget;

namespace ui {

// A notice: one text, titled with the application title, with one OK
// button that Enter, Escape and the close box all press; screen readers
// meet it as an alert. A dialog of its own rather than a QMessageBox,
// which wraps its text beyond about 500 pixels and sizes itself again at
// every layout request: this one keeps its text on one line up to the
// width of the screen (less a margin), is always wide enough for the
// window frame to show its whole title, and its size depends only on its
// text, its icon and the screen. Ctrl+C copies the title and text laid out
// as a native message box copies them, or the part of the text selected.
class NoticeBox : public QDialog {
  Q_OBJECT

 public:
  // Its text and its icon show in labels named "text" and "icon".
  NoticeBox(QWidget* owner, const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Room kept free between the box and each side of the screen.
  static constexpr int kScreenMargin = 32;

  // The width the frame needs to show the title beside its icon and buttons.
  [[nodiscard]] int TitleWidth() const;
  void FitToText();

  QLabel* text_;
};

// Shows a NoticeBox, modal, and returns once it has been dismissed.
void ShowNoticeBox(QWidget* owner, const QString& text,
                   QMessageBox::Icon icon = QMessageBox::NoIcon);

}  // namespace ui

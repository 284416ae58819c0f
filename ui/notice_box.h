#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace ui {

// A message box titled with the application title, with one OK button that
// Enter, Escape and the close box all press. Unlike a plain QMessageBox,
// which wraps text beyond about 500 pixels, it keeps its text on one line
// up to the width of the screen (less a margin) and is always wide enough
// for the window frame to show its whole title.
class NoticeBox : public QMessageBox {
  Q_OBJECT

 public:
  NoticeBox(QWidget* owner, const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon);

  // Room kept free between the box and each side of the screen.
  static constexpr int kScreenMargin = 32;

  // The width the frame needs to show the title beside its icon and buttons.
  [[nodiscard]] int TitleWidth() const;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FitToText();
};

// Shows a NoticeBox, modal, and returns once it has been dismissed.
void ShowNoticeBox(QWidget* owner, const QString& text,
                   QMessageBox::Icon icon = QMessageBox::NoIcon);

}  // namespace ui

#include "ui/notice_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "ui/application_title.h"

namespace ui {

NoticeBox::NoticeBox(QWidget* owner, const QString& text, QMessageBox::Icon icon)
    : QMessageBox(icon, QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, owner) {
  setTextFormat(Qt::PlainText);
  setDefaultButton(QMessageBox::Ok);
  setEscapeButton(QMessageBox::Ok);
}

// Window managers draw titles in a bold face of about the application's
// size, often centred between the window icon on one side and up to three
// buttons on the other: room for three buttons on each side, and some more.
int NoticeBox::TitleWidth() const {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  const int buttons = 8 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  return QFontMetrics(font).horizontalAdvance(windowTitle()) * 5 / 4 + buttons;
}

// QMessageBox sizes itself on every show and layout request; this runs
// after it each time and puts the one-line size in place.
bool NoticeBox::event(QEvent* event) {
  const bool handled = QMessageBox::event(event);
  if (event->type() == QEvent::LayoutRequest) FitToText();
  return handled;
}

void NoticeBox::showEvent(QShowEvent* event) {
  QMessageBox::showEvent(event);
  FitToText();
}

void NoticeBox::FitToText() {
  auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (!isVisible() || label == nullptr || layout() == nullptr) return;
  const int frame = frameGeometry().width() - geometry().width();
  const int room = screen()->availableGeometry().width() - 2 * kScreenMargin - frame;
  label->setWordWrap(false);
  layout()->activate();
  int width = std::max(layout()->totalMinimumSize().width(), TitleWidth());
  if (width > room) {
    label->setWordWrap(true);
    width = room;
  }
  layout()->activate();
  const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                   : layout()->totalMinimumSize().height();
  setFixedSize(width, height);
  QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
}

void ShowNoticeBox(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
  NoticeBox box(owner, text, icon);
  box.exec();
}

}  // namespace ui

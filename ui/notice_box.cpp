#include "ui/notice_box.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

#include "ui/accessible_role.h"
#include "ui/application_title.h"
#include "ui/dialog_frame.h"
#include "ui/reach_keeper.h"

namespace ui {
namespace {

// The style's picture for a message box icon, at its message-box size.
QPixmap StandardPixmap(const QStyle& style, QMessageBox::Icon icon, const QWidget* widget) {
  QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxInformation;
  switch (icon) {
    case QMessageBox::NoIcon: return {};
    case QMessageBox::Information: pixmap = QStyle::SP_MessageBoxInformation; break;
    case QMessageBox::Warning: pixmap = QStyle::SP_MessageBoxWarning; break;
    case QMessageBox::Critical: pixmap = QStyle::SP_MessageBoxCritical; break;
    case QMessageBox::Question: pixmap = QStyle::SP_MessageBoxQuestion; break;
  }
  const int size = style.pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, widget);
  return style.standardIcon(pixmap, nullptr, widget).pixmap(QSize(size, size));
}

}  // namespace

NoticeBox::NoticeBox(QWidget* owner, const QString& text, QMessageBox::Icon icon)
    : QDialog(owner, kDialogFrame), text_(new QLabel(text, this)) {
  // Screen readers announce a QMessageBox as an alert; a notice is one too.
  AnnounceAs<NoticeBox, QAccessible::AlertMessage>();

  setWindowTitle(QString::fromLatin1(kApplicationTitle));
  setAccessibleDescription(text);
  text_->setObjectName(QStringLiteral("text"));
  text_->setTextFormat(Qt::PlainText);
  text_->setTextInteractionFlags(Qt::TextInteractionFlags(
      style()->styleHint(QStyle::SH_MessageBox_TextInteractionFlags, nullptr, this)));
  text_->setWordWrap(false);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->setCenterButtons(style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this));
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setDefault(true);
  ok->setFocus();
  // Escape and the close box reject the dialog, which is OK's outcome too.
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  // The icon beside the text, the text flush left, the button below.
  auto* grid = new QGridLayout(this);
  if (icon != QMessageBox::NoIcon) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("icon"));
    picture->setPixmap(StandardPixmap(*style(), icon, this));
    picture->setAlignment(Qt::AlignTop);
    grid->addWidget(picture, 0, 0);
  }
  grid->addWidget(text_, 0, 1);
  grid->setColumnStretch(1, 1);
  grid->addWidget(buttons, 1, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetNoConstraint);
  new ReachKeeper(*this);  // a child of the box
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

// Sized before it is first placed, from the text, the icon and the screen
// alone: the frame of a window not yet shown is not known on every
// platform, so the owner's frame stands for it.
void NoticeBox::showEvent(QShowEvent* event) {
  FitToText();
  QDialog::showEvent(event);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void NoticeBox::FitToText() {
  const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  const QWindow* owner_window = owner != nullptr ? owner->windowHandle() : nullptr;
  const QMargins frame = owner_window != nullptr ? owner_window->frameMargins() : QMargins();
  const int room =
      screen->availableGeometry().width() - 2 * kScreenMargin - frame.left() - frame.right();
  text_->setWordWrap(false);
  layout()->invalidate();
  int width = std::max(layout()->totalMinimumSize().width(), TitleWidth());
  if (width > room) {
    text_->setWordWrap(true);
    layout()->invalidate();
    width = room;
  }
  const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                   : layout()->totalMinimumSize().height();
  setFixedSize(width, height);
}

void NoticeBox::keyPressEvent(QKeyEvent* event) {
  if (!event->matches(QKeySequence::Copy)) {
    QDialog::keyPressEvent(event);
    return;
  }
  if (text_->hasSelectedText()) {
    QApplication::clipboard()->setText(text_->selectedText());
    return;
  }
  // The layout of a native message box's copy; the clipboard gives Windows its CR LF.
  const QString rule = QStringLiteral("---------------------------\n");
  QString copy = rule + windowTitle() + u'\n' + rule + text_->text() + u'\n' + rule;
  for (const QAbstractButton* button : findChild<QDialogButtonBox*>()->buttons()) {
    copy += button->text() + QStringLiteral("   ");
  }
  QApplication::clipboard()->setText(copy + u'\n' + rule);
}

void ShowNoticeBox(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
  NoticeBox box(owner, text, icon);
  box.exec();
}

}  // namespace ui

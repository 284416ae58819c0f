#include "ui/worksheet_window.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/accessible_role.h"
#include "ui/application_title.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/notice_box.h"
#include "ui/sheet_font.h"
#include "ui/worksheet_form.h"

namespace ui {
namespace {

constexpr Qt::WindowFlags kFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

std::size_t Index(int n) {
  return static_cast<std::size_t>(n - 1);
}

}  // namespace

WorksheetWindow::WorksheetWindow(QWidget* parent) : QWidget(parent, kFrame) {
  // Screen readers meet the worksheet as a window of its own, not as a
  // filler inside one.
  AnnounceAs<WorksheetWindow, QAccessible::Window>();
  setObjectName(QStringLiteral("frmDraftSurvey"));
  setWindowTitle(QString::fromLatin1(kApplicationTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  setAutoFillBackground(true);
  setFont(SheetFont::Font());
  QWidget* sheet = CreateSheet();
  controls_ = BuildForm(*sheet, WorksheetControls());
  resize(sheet->size());
  ConnectControls();
  follow_focus_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* now) { ScrollToFocus(now); });
  fields_[0]->setFocus();
}

// The controls give up the focus as they are destroyed, after this part
// of the window is gone.
WorksheetWindow::~WorksheetWindow() {
  disconnect(follow_focus_);
}

// The controls stand on a sheet of the written size, which scrolls only
// where the window cannot show all of it.
QWidget* WorksheetWindow::CreateSheet() {
  auto* sheet = new QWidget;
  sheet->setObjectName(QStringLiteral("sheet"));
  sheet->setFixedSize(PixelsFromTwips(kWorksheetWidthTwips),
                      PixelsFromTwips(kWorksheetHeightTwips));
  scroll_area_ = new QScrollArea(this);
  scroll_area_->setFrameShape(QFrame::NoFrame);
  scroll_area_->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control only
  scroll_area_->setWidget(sheet);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_area_);
  return sheet;
}

void WorksheetWindow::ConnectControls() {
  const auto table = WorksheetControls();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (const auto* n = std::get_if<calc::Field>(&table[i].part)) {
      auto* field = static_cast<QLineEdit*>(controls_[i]);
      fields_[Index(*n)] = field;
      // Every change, typed or set through the accessibility interface by
      // a screen reader or an automation tool: what the field shows is what
      // its step reads.
      connect(field, &QLineEdit::textChanged, this, [this, n = *n] { TakeText(n); });
    } else if (const auto* step = std::get_if<calc::Step>(&table[i].part)) {
      auto* button = static_cast<QPushButton*>(controls_[i]);
      connect(button, &QPushButton::clicked, this, [this, step = *step] { sheet_.Run(step); });
      // Heard apart from the field of the same caption, and without the caption's padding.
      button->setAccessibleName(tr("Step: %1").arg(button->text().simplified()));
    }
  }
}

// A step's own write comes back here too, unchanged.
void WorksheetWindow::TakeText(int n) {
  std::string text = fields_[Index(n)]->text().toStdString();
  if (text != sheet_.Text(n)) sheet_.SetText(n, std::move(text));
}

void WorksheetWindow::ShowNotice(const std::string& text) {
  ShowNoticeBox(this, QString::fromStdString(text));
}

void WorksheetWindow::ReportFault(calc::Fault fault) {
  ShowNoticeBox(this, FaultText(fault), QMessageBox::Warning);
}

QString WorksheetWindow::FaultText(calc::Fault fault) {
  switch (fault) {
    case calc::Fault::DivisionByZero: return tr("Division by zero.");
    case calc::Fault::Overflow: return tr("Overflow.");
  }
  return {};
}

// A written number is shown from its first digit, as a long result cut at
// its end is misread less easily than one cut at its start.
void WorksheetWindow::FieldWritten(int n) {
  QLineEdit* field = fields_[Index(n)];
  field->setText(QString::fromStdString(sheet_.Text(n)));
  field->setCursorPosition(0);
}

void WorksheetWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placement_ != Placement::kNew) return;
  placement_ = Placement::kOpening;
  FitToScreen(*screen());
  // The window manager may open the window on another monitor than Qt
  // guessed (the pointer's, say): the sheet is fitted to the one it opens
  // on. Once the surveyor works in it, moving it resizes nothing.
  windowHandle()->installEventFilter(this);
  connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* now) {
    if (now != nullptr && placement_ == Placement::kOpening) FitToScreen(*now);
  });
}

// Every key and click reaches the window's QWindow before its controls.
bool WorksheetWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == windowHandle() &&
      (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::Wheel)) {
    placement_ = Placement::kInUse;
    watched->removeEventFilter(this);
  }
  return QWidget::eventFilter(watched, event);
}

// X11 window managers size a window in whole steps of its size increment,
// which Qt sets to one logical pixel rounded to device pixels: 2 at 175 %
// and 225 %, 3 at 250 %. The window asks for enough whole steps to hold
// the sheet, or the step rounded away would bring scroll bars.
QSize WorksheetWindow::SizeInWholeSteps(QSize size, qreal ratio) {
  const int step = std::max(1, qRound(ratio));
  const auto side = [&](int logical) {
    const double steps = std::ceil(logical * ratio / step - 1e-9);
    return static_cast<int>(std::ceil(steps * step / ratio - 1e-9));
  };
  return {side(size.width()), side(size.height())};
}

// Opens within the screen's free area, panels and task bar left out: the
// whole sheet where it fits, else as much of it as the area holds.
void WorksheetWindow::FitToScreen(const QScreen& screen) {
  const QRect available = screen.availableGeometry();
  QMargins frame = windowHandle()->frameMargins();
  if (frame.isNull()) {
    // X11 tells the frame only once the window is mapped; a title bar and
    // thin borders stand in for it.
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    frame =
        QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border);
  }
  const QSize sheet = scroll_area_->widget()->size();
  const QSize room = available.size().shrunkBy(frame);
  QSize wanted = SizeInWholeSteps(sheet, screen.devicePixelRatio());
  // Room for the scroll bar that a side too long for the screen brings, so
  // that the other side need not scroll too.
  if (wanted.height() > room.height()) {
    wanted.rwidth() += scroll_area_->verticalScrollBar()->sizeHint().width();
  }
  if (wanted.width() > room.width()) {
    wanted.rheight() += scroll_area_->horizontalScrollBar()->sizeHint().height();
  }
  resize(wanted.boundedTo(room));
  const QRect outer = QRect(pos(), size().grownBy(frame));
  if (available.contains(outer)) return;  // where the system placed it
  move(std::clamp(outer.left(), available.left(), available.right() + 1 - outer.width()),
       std::clamp(outer.top(), available.top(), available.bottom() + 1 - outer.height()));
}

// The whole control, where QScrollArea::ensureWidgetVisible() would bring
// only a field's caret into view.
void WorksheetWindow::ScrollToFocus(QWidget* focused) {
  QWidget* const sheet = scroll_area_->widget();
  if (focused == nullptr || !sheet->isAncestorOf(focused)) return;
  const QRect box(focused->mapTo(sheet, QPoint(0, 0)), focused->size());
  scroll_area_->ensureVisible(box.center().x(), box.center().y(), box.width() / 2 + 1,
                              box.height() / 2 + 1);
}

void WorksheetWindow::changeEvent(QEvent* event) {
  // The controls do not exist yet while the constructor sets the window up.
  if (event->type() == QEvent::PaletteChange && !controls_.empty()) {
    ApplyLooks(controls_, WorksheetControls());
  }
  QWidget::changeEvent(event);
}

}  // namespace ui

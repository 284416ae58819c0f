#include "app/status_bar.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <algorithm>

#include "ui/control.h"

namespace app {
namespace {

constexpr int kHeightTwips = 270;
constexpr int kPanelMinimumTwips = 1440;
constexpr int kTickMilliseconds = 1000;
constexpr int kSpaceAroundPanels = 3 + 2;  // QStatusBar's layout: above and below

}  // namespace

StatusBar::StatusBar(QWidget* parent, Clock clock) : QStatusBar(parent), clock_(std::move(clock)) {
  setObjectName(QStringLiteral("sbStatusBar"));
  AddPanel("Status", 1)->setText(tr("Status"));
  date_ = AddPanel("Date", 0);
  time_ = AddPanel("Time", 0);
  Refresh();
  FitHeight();
  connect(&ticker_, &QTimer::timeout, this, &StatusBar::Refresh);
  ticker_.start(kTickMilliseconds);
}

QLabel* StatusBar::AddPanel(const char* name, int stretch) {
  auto* panel = new QLabel(this);
  panel->setObjectName(QStringLiteral("sbStatusBar") + QLatin1String(name));
  panel->setMinimumWidth(ui::PixelsFromTwips(kPanelMinimumTwips));
  if (stretch > 0) {
    addWidget(panel, stretch);
  } else {
    addPermanentWidget(panel);
  }
  return panel;
}

// The written height, or more where a large system font needs it: room
// for a line of the panels' text, which is in the bar's font.
void StatusBar::FitHeight() {
  setFixedHeight(
      std::max(ui::PixelsFromTwips(kHeightTwips), kSpaceAroundPanels + fontMetrics().height()));
}

void StatusBar::changeEvent(QEvent* event) {
  QStatusBar::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitHeight();
}

void StatusBar::Refresh() {
  const QDateTime now = clock_();
  const QLocale system = QLocale::system();
  date_->setText(system.toString(now.date(), QLocale::ShortFormat));
  time_->setText(system.toString(now.time(), QLocale::ShortFormat));
}

}  // namespace app

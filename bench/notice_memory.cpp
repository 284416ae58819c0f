// Memory in use before and after a thousand notices, each shown modal over
// the worksheet and dismissed, as a surveyor meets them, printed for each
// round: what a notice takes and does not give back shows as growth from
// round to round. Runs on the offscreen platform unless told.
#include <malloc.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "ui/worksheet_window.h"

namespace {

long long BytesInUse() {
  malloc_trim(0);
  return static_cast<long long>(mallinfo2().uordblks);
}

// Dismisses each notice as soon as it is up.
void DismissNotices() {
  QTimer* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->accept();
  });
  timer->start(0);
}

void ShowNotices(ui::WorksheetWindow& window, int count) {
  auto* dm = window.findChild<QPushButton*>(QStringLiteral("Command9"));
  for (int i = 0; i < count; ++i) dm->click();  // one notice each: the D.M. formula
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // The offscreen platform warns at every notice that it cannot pass on size hints.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  DismissNotices();
  auto* window = new ui::WorksheetWindow;
  window->show();
  ShowNotices(*window, 50);  // caches of fonts, styles and the accessibility set-up fill first

  // Two rounds: growth that comes once (a cache filling) shows in the first
  // alone, growth that each notice brings in both.
  long long before = BytesInUse();
  for (int round = 1; round <= 2; ++round) {
    ShowNotices(*window, count);
    const long long after = BytesInUse();
    std::printf("round %d, %d notices: %lld bytes in use before, %lld after: %+lld bytes\n", round,
                count, before, after, after - before);
    before = after;
  }
  delete window;
  return 0;
}

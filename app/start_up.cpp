#include "app/start_up.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcessEnvironment>
#include <QtGlobal>

#include "app/main_window.h"
#include "app/shutdown_requests.h"

namespace app {
namespace {

QPointer<MainWindow> main_window;  // for the whole run; read by nothing else

}  // namespace

bool PrefersXWayland(const QProcessEnvironment& environment) {
  return !environment.contains(QStringLiteral("QT_QPA_PLATFORM")) &&
         !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() &&
         !environment.value(QStringLiteral("DISPLAY")).isEmpty();
}

void PreferXWayland() {
  if (PrefersXWayland(QProcessEnvironment::systemEnvironment())) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
}

void StartUp() {
  main_window = new MainWindow;
  main_window->show();
  new ShutdownRequests(
      [] {
        if (main_window != nullptr) main_window->close();
      },
      [] {
        if (main_window != nullptr) main_window->SavePlacement();
      },
      QCoreApplication::instance());
}

}  // namespace app

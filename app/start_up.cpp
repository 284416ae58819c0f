#include "app/start_up.h"

#include <QCoreApplication>
#include <QPointer>
#include <QtGlobal>

#include "app/main_window.h"
#include "app/shutdown_requests.h"

namespace app {
namespace {

QPointer<MainWindow> main_window;  // for the whole run; read by nothing else

}  // namespace

void PreferXWayland() {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY")) {
    return;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
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

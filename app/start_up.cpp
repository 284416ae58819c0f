#include "app/start_up.h"

#include <QCoreApplication>
#include <QPointer>

#include "app/main_window.h"
#include "app/shutdown_requests.h"

namespace app {
namespace {

QPointer<MainWindow> main_window;  // for the whole run; read by nothing else

}  // namespace

void StartUp() {
  main_window = new MainWindow;
  main_window->show();
  new ShutdownRequests(
      [] {
        if (main_window != nullptr) main_window->close();
      },
      QCoreApplication::instance());
}

}  // namespace app

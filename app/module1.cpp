#include "app/module1.h"

#include <QPointer>

#include "app/main_window.h"

namespace app {
namespace {

QPointer<MainWindow> main_window;  // for the whole run; read by nothing else

}  // namespace

void StartUp() {
  main_window = new MainWindow;
  main_window->show();
}

}  // namespace app

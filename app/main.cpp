#include <QApplication>

#include "ui/worksheet_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  auto* window = new ui::WorksheetWindow;
  window->show();
  return QApplication::exec();
}

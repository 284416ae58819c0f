#include <QApplication>
#include <QIcon>

#include "app/running_mark.h"
#include "app/start_up.h"
#include "ui/application_title.h"

int main(int argc, char* argv[]) {
  const app::RunningMark running;
  app::PreferXWayland();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(ui::kApplicationTitle));
  QGuiApplication::setDesktopFileName(QStringLiteral("draftsurvey"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/draftsurvey.png")));
  app::StartUp();
  return QApplication::exec();
}

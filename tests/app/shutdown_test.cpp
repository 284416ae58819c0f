// The program's own start-up in a child process, ended by the session
// manager at logout, or by the signals that a logout, a closed terminal,
// Ctrl+C or `kill` send.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSessionManager>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "app/start_up.h"
#include "tests/support/gui_test_case.h"
#include "ui/application_title.h"
#include "ui/control.h"

namespace {

constexpr QPoint kMovedTo(210, 140);
const QString kChild = QStringLiteral("--child");

void Touch(const QString& path) {
  QFile file(path);
  static_cast<void>(file.open(QIODevice::WriteOnly));
}

// Draft Forward: P in the worksheet window, if one is open.
QLineEdit* Figure() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* field = top->findChild<QLineEdit*>(QStringLiteral("Text1"))) return field;
  }
  return nullptr;
}

// The child: started as main() starts the program, then moved by its user,
// with or without the About box open; a file tells the parent it is ready.
// At a logout, with a figure typed into the worksheet, the session manager
// asks it to commit its data, through the application's own session
// manager; a second file says it has, and the session ends (Qt's quit) once
// the parent has looked. A figure gone by then ends the child with code 3.
int RunChild(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  const QString ready = arguments.at(2);
  const bool about = arguments.contains(QStringLiteral("--about"));
  const bool logout = arguments.contains(QStringLiteral("--logout"));
  app::StartUp();
  QTimer::singleShot(100, [&] {
    QWidget* window = QApplication::activeWindow();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QStringLiteral("frmMain")) window = top;
    }
    window->move(kMovedTo);
    QTimer::singleShot(50, [&] { Touch(ready); });
    if (logout) {
      window->findChild<QAction*>(QStringLiteral("mnuDraftSurvey"))->trigger();
      Figure()->setText(QStringLiteral("7.12"));
      QTimer::singleShot(100, [&] {
        emit application.commitDataRequest(*application.findChild<QSessionManager*>());
        Touch(ready + QStringLiteral(".committed"));
        auto* session_end = new QTimer(&application);
        QObject::connect(session_end, &QTimer::timeout, [ready] {
          if (!QFile::exists(ready + QStringLiteral(".ends"))) return;
          const bool kept = Figure() != nullptr && Figure()->text() == QStringLiteral("7.12");
          QCoreApplication::exit(kept ? 0 : 3);
        });
        session_end->start(50);
      });
    }
    if (about) window->findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
  });
  return QApplication::exec();
}

}  // namespace

class ShutdownTest : public QObject {
  Q_OBJECT

 private slots:
  void endOfSessionClosesDownLikeTheCloseBox_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("about");
    QTest::newRow("logout") << 0 << false;
    QTest::newRow("logout, About box open") << 0 << true;
    QTest::newRow("SIGTERM") << SIGTERM << false;
    QTest::newRow("SIGHUP") << SIGHUP << false;
    QTest::newRow("SIGINT") << SIGINT << false;
    QTest::newRow("SIGTERM, About box open") << SIGTERM << true;
  }
  void endOfSessionClosesDownLikeTheCloseBox() {
    QFETCH(int, signal);
    QFETCH(bool, about);
    const QTemporaryDir config;
    QVERIFY(config.isValid());
    const QString ready = config.filePath(QStringLiteral("ready"));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{kChild, ready};
    if (about) arguments << QStringLiteral("--about");
    if (signal == 0) arguments << QStringLiteral("--logout");
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QVERIFY(child.waitForStarted());
    DRAFTSURVEY_QTRY(QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ready), 20000));

    const QString placement =
        config.filePath(QString::fromLatin1(ui::kApplicationTitle) + QStringLiteral(".conf"));
    if (signal != 0) {
      QCOMPARE(::kill(static_cast<pid_t>(child.processId()), signal), 0);
    } else {
      // Committing stores the placement and closes nothing: another program
      // may still cancel the logout.
      DRAFTSURVEY_QTRY(QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ready + ".committed"), 20000));
      QVERIFY(QFile::exists(placement));
      QVERIFY(!child.waitForFinished(300));
      Touch(ready + QStringLiteral(".ends"));
    }

    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QSettings store(placement, QSettings::IniFormat);
    QCOMPARE(store.value(QStringLiteral("Settings/MainLeft")).toString(),
             QString::number(kMovedTo.x() * ui::kTwipsPerPixel));
    QCOMPARE(store.value(QStringLiteral("Settings/MainTop")).toString(),
             QString::number(kMovedTo.y() * ui::kTwipsPerPixel));
  }
};

int main(int argc, char** argv) {
  if (argc >= 3 && QString::fromLocal8Bit(argv[1]) == kChild) return RunChild(argc, argv);
  QCoreApplication application(argc, argv);
  ShutdownTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "shutdown_test.moc"

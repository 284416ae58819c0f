#include "app/main_window.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <functional>

#include "app/placement.h"
#include "app/status_bar.h"
#include "tests/support/gui_test_case.h"
#include "ui/line_widget.h"
#include "ui/worksheet_window.h"

namespace {

// Sets the default locale for one test and puts the old one back.
class ScopedLocale {
 public:
  explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~ScopedLocale() { QLocale::setDefault(saved_); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  QLocale saved_;
};

using Stored = QMap<QString, QString>;

// Calls back when a widget is hidden, as closing a window does first.
class HideWatcher : public QObject {
 public:
  HideWatcher(QWidget& widget, std::function<void()> on_hide) : on_hide_(std::move(on_hide)) {
    widget.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) on_hide_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> on_hide_;
};

}  // namespace

class MainWindowTest : public testing_support::GuiTestCase {
  Q_OBJECT

 protected:
  QPointer<app::MainWindow> Start() {
    QPointer<app::MainWindow> window = new app::MainWindow;
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) return nullptr;
    QCoreApplication::processEvents();
    return window;
  }

  static void Store(const Stored& values) {
    auto store = app::OpenSettingsStore();
    for (auto value = values.begin(); value != values.end(); ++value) {
      store->setValue("Settings/" + value.key(), value.value());
    }
  }

  static Stored Stored_() {
    auto store = app::OpenSettingsStore();
    Stored values;
    for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) {
      const QVariant value = store->value(QStringLiteral("Settings/") + key);
      if (value.isValid()) values[key] = value.toString();
    }
    return values;
  }

  static void Close(QPointer<app::MainWindow>& window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static ui::WorksheetWindow* OpenWorksheet(app::MainWindow& window) {
    window.findChild<QAction*>("mnuDraftSurvey")->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* sheet = qobject_cast<ui::WorksheetWindow*>(top); sheet && sheet->isVisible())
        return sheet;
    }
    return nullptr;
  }

 private slots:
  void showsCaptionMenusAndLine() {
    auto window = Start();
    QCOMPARE(window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tolmar Version 1.1"));
    QCOMPARE(window->findChild<QMenu*>("mnuDS")->title(), QStringLiteral("&Draft Survey"));
    QCOMPARE(window->findChild<QAction*>("mnuDraftSurvey")->text(),
             QStringLiteral("Draft &Survey"));
    QCOMPARE(window->findChild<QMenu*>("mnuHelp")->title(), QStringLiteral("&Help"));
    QCOMPARE(window->findChild<QAction*>("mnuHelpAbout")->text(), QStringLiteral("&About "));
    for (QAction* action : window->findChildren<QAction*>()) QVERIFY(action->shortcut().isEmpty());
    auto* line = window->findChild<ui::LineWidget*>("Line1");
    QVERIFY(line != nullptr);
    QCOMPARE(line->to(), QPoint(440, 0));
    QCOMPARE(line->palette().color(QPalette::WindowText), window->palette().color(QPalette::Base));
    const auto flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint) &&
            flags.testFlag(Qt::WindowMaximizeButtonHint));
  }

  void accessKeysOpenTheWorksheet() {
    auto window = Start();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuDS"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    bool shown = false;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      shown |= top->objectName() == "frmDraftSurvey" && top->isVisible();
    }
    QVERIFY(shown);
  }

  void firstRunUsesDefaultPlacement() {
    auto window = Start();
    QCOMPARE(window->frameGeometry(), QRect(67, 67, 433, 433));  // 1000 and 6500 twips
    QVERIFY(Stored_().isEmpty());
  }

  void reopensWithTheClosingBounds() {
    auto window = Start();
    window->setGeometry(150, 120, 600, 400);
    QCoreApplication::processEvents();
    const QRect closing = window->frameGeometry();
    Close(window);
    QCOMPARE(Stored_(), (Stored{{"MainLeft", QString::number(closing.x() * 15)},
                                {"MainTop", QString::number(closing.y() * 15)},
                                {"MainWidth", QString::number(closing.width() * 15)},
                                {"MainHeight", QString::number(closing.height() * 15)}}));
    auto again = Start();
    QCOMPARE(again->frameGeometry(), closing);
  }

  void minimisedCloseWritesNothing() {
    Store(
        {{"MainLeft", "3000"}, {"MainTop", "1500"}, {"MainWidth", "7000"}, {"MainHeight", "5000"}});
    auto window = Start();
    window->move(10, 10);
    window->showMinimized();
    QTRY_VERIFY(window->isMinimized());
    Close(window);
    QCOMPARE(Stored_(), (Stored{{"MainLeft", "3000"},
                                {"MainTop", "1500"},
                                {"MainWidth", "7000"},
                                {"MainHeight", "5000"}}));
  }

  void minimisedFirstRunStaysAbsent() {
    auto window = Start();
    window->showMinimized();
    QTRY_VERIFY(window->isMinimized());
    Close(window);
    QVERIFY(Stored_().isEmpty());
  }

  void maximisedCloseWritesMaximisedBoundsAndNextStartIsNormal() {
    auto window = Start();
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized());
    QTRY_COMPARE(window->frameGeometry(), window->screen()->availableGeometry());
    const QRect maximised = window->frameGeometry();
    Close(window);
    QCOMPARE(Stored_().value("MainWidth"), QString::number(maximised.width() * 15));
    auto again = Start();
    QVERIFY(!again->isMaximized());
    QCOMPARE(again->windowState(), Qt::WindowNoState);
    QCOMPARE(again->frameGeometry(), maximised);
  }

  void unreadableValuesFallBackToTheirDefaults_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("word") << "MainLeft"
                          << "left" << QRect(67, 200, 400, 300);
    QTest::newRow("empty") << "MainTop"
                           << "" << QRect(100, 67, 400, 300);
    QTest::newRow("too large for single") << "MainWidth"
                                          << "1e99" << QRect(100, 200, 433, 300);
    QTest::newRow("not finite") << "MainHeight"
                                << "nan" << QRect(100, 200, 400, 433);
    QTest::newRow("trailing junk") << "MainLeft"
                                   << "15px" << QRect(67, 200, 400, 300);
  }
  void unreadableValuesFallBackToTheirDefaults() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QRect, expected);
    Stored values{
        {"MainLeft", "1500"}, {"MainTop", "3000"}, {"MainWidth", "6000"}, {"MainHeight", "4500"}};
    values[key] = text;
    Store(values);
    auto window = Start();
    QCOMPARE(window->frameGeometry(), expected);
  }

  void valuesFollowTheUsersDecimalSeparator() {
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    Store({{"MainLeft", "1522,5"},
           {"MainTop", "3000.0"},
           {"MainWidth", "6000"},
           {"MainHeight", "4500"}});
    auto window = Start();
    QCOMPARE(window->frameGeometry(), QRect(102, 200, 400, 300));  // 101.5 rounds up; C form kept
  }

  void textFromTwipsIsShortestSingleForm_data() {
    QTest::addColumn<float>("twips");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1000.0f << "C"
                           << "1000";
    QTest::newRow("negative") << -60.0f << "C"
                              << "-60";
    QTest::newRow("large whole") << 16777216.0f << "C"
                                 << "16777216";
    QTest::newRow("fraction") << 1234.5f << "C"
                              << "1234.5";
    QTest::newRow("seven digits") << 1234.5678f << "C"
                                  << "1234.568";
    QTest::newRow("comma") << 1234.5f << "de_DE"
                           << "1234,5";
    QTest::newRow("no grouping") << 1234567.0f << "de_DE"
                                 << "1234567";
  }
  void textFromTwipsIsShortestSingleForm() {
    QFETCH(float, twips);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    const QLocale user(locale);
    QCOMPARE(app::Placement::TextFromTwips(twips, user), text);
    QCOMPARE(app::Placement::TwipsFromText(text, user).value_or(-1),
             twips == 1234.5678f ? 1234.568f : twips);
  }

  void unwritableStoreLosesNothingElse() {
    // A folder where the settings file belongs: the store cannot be written.
    QVERIFY(QDir(settingsDirectory()).mkpath("Draft Survey.conf"));
    auto window = Start();
    ui::WorksheetWindow* sheet = OpenWorksheet(*window);
    QVERIFY(sheet != nullptr);
    QTest::ignoreMessage(QtWarningMsg, "The window's placement could not be saved.");
    Close(window);
    QVERIFY(window.isNull());
    QVERIFY(Stored_().isEmpty());
  }

  void closingClosesTheWorksheetFirstThenSaves() {
    auto window = Start();
    QPointer<ui::WorksheetWindow> sheet = OpenWorksheet(*window);
    QVERIFY(sheet != nullptr);
    QTest::keyClicks(sheet->findChild<QLineEdit*>("Text1"), "7.15");
    bool saved_before_sheet_closed = true;
    HideWatcher watcher(*sheet, [&] { saved_before_sheet_closed = !Stored_().isEmpty(); });
    Close(window);
    QVERIFY(sheet.isNull());
    QVERIFY(!saved_before_sheet_closed);
    QCOMPARE(Stored_().size(), 4);
  }

  void menuTwiceShowsTheSameWorksheetWithItsFigures() {
    auto window = Start();
    QPointer<ui::WorksheetWindow> first = OpenWorksheet(*window);
    QTest::keyClicks(first->findChild<QLineEdit*>("Text2"), "7.11");
    ui::WorksheetWindow* second = OpenWorksheet(*window);
    QCOMPARE(second, first.data());
    QCOMPARE(second->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("7.11"));
    QVERIFY(second->parentWidget() == nullptr);
    QVERIFY(!second->isModal());
  }

  void menuAfterCloseShowsAFreshWorksheet() {
    auto window = Start();
    QPointer<ui::WorksheetWindow> first = OpenWorksheet(*window);
    QTest::keyClicks(first->findChild<QLineEdit*>("Text2"), "7.11");
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    ui::WorksheetWindow* second = OpenWorksheet(*window);
    QVERIFY(second != nullptr);
    QCOMPARE(second->findChild<QLineEdit*>("Text2")->text(), QString());
  }

  void statusBarShowsStatusDateAndTime() {
    auto window = Start();
    auto* bar = window->findChild<QStatusBar*>("sbStatusBar");
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->height(), 18);
    auto* status = bar->findChild<QLabel*>("sbStatusBarStatus");
    auto* date = bar->findChild<QLabel*>("sbStatusBarDate");
    auto* time = bar->findChild<QLabel*>("sbStatusBarTime");
    QCOMPARE(status->text(), QStringLiteral("Status"));
    for (QLabel* panel : {status, date, time}) QVERIFY(panel->width() >= 96);
    window->resize(900, window->height());
    QTRY_VERIFY(status->width() > 900 - date->width() - time->width() - 60);
    QVERIFY(status->x() < date->x() && date->x() < time->x());
  }

  void statusBarKeepsDateAndTimeCurrent() {
    QDateTime now(QDate(2001, 9, 26), QTime(14, 47));
    app::StatusBar bar(nullptr, [&] { return now; });
    auto* date = bar.findChild<QLabel*>("sbStatusBarDate");
    auto* time = bar.findChild<QLabel*>("sbStatusBarTime");
    QCOMPARE(date->text(), QLocale::system().toString(QDate(2001, 9, 26), QLocale::ShortFormat));
    QCOMPARE(time->text(), QLocale::system().toString(QTime(14, 47), QLocale::ShortFormat));
    now = QDateTime(QDate(2001, 9, 27), QTime(0, 1));
    QTRY_COMPARE(date->text(),
                 QLocale::system().toString(QDate(2001, 9, 27), QLocale::ShortFormat));
    QCOMPARE(time->text(), QLocale::system().toString(QTime(0, 1), QLocale::ShortFormat));
  }
};

DRAFTSURVEY_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

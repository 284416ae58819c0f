#include "app/main_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <functional>

#ifdef Q_OS_WIN
#include <windows.h>

#include <QScopeGuard>
#include <array>
#else
#include <sys/stat.h>
#endif

#include "app/placement.h"
#include "app/start_up.h"
#include "app/status_bar.h"
#include "tests/support/gui_test_case.h"
#include "tests/support/scoped_setting.h"
#include "ui/control.h"
#include "ui/line_widget.h"
#include "ui/worksheet_window.h"

namespace {

using testing_support::ScopedFont;
using testing_support::ScopedLocale;

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
    QPointer<app::MainWindow> window = new app::MainWindow(settingsLocation());
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) return nullptr;
    QCoreApplication::processEvents();
    return window;
  }

  void Store(const Stored& values) {
    auto store = app::OpenSettingsStore(settingsLocation());
    for (auto value = values.begin(); value != values.end(); ++value) {
      store->setValue("Settings/" + value.key(), value.value());
    }
  }

  Stored Stored_() {
    auto store = app::OpenSettingsStore(settingsLocation());
    Stored values;
    if (store == nullptr) return values;
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
  // On a Wayland desktop with XWayland, the program runs on X11, which
  // lets it open its window where it was closed, unless the user chose.
  void aWaylandDesktopGivesTheWindowItsPlace_data() {
    QTest::addColumn<QStringList>("variables");  // set, each to a value
    QTest::addColumn<bool>("xwayland");
    QTest::newRow("Wayland with XWayland") << QStringList{"WAYLAND_DISPLAY", "DISPLAY"} << true;
    QTest::newRow("Wayland alone") << QStringList{"WAYLAND_DISPLAY"} << false;
    QTest::newRow("X11") << QStringList{"DISPLAY"} << false;
    QTest::newRow("the user's choice")
        << QStringList{"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"} << false;
  }
  void aWaylandDesktopGivesTheWindowItsPlace() {
    QFETCH(QStringList, variables);
    QFETCH(bool, xwayland);
    QProcessEnvironment environment;
    for (const QString& name : variables) environment.insert(name, QStringLiteral("x"));
    QCOMPARE(app::PrefersXWayland(environment), xwayland);
  }

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
    DRAFTSURVEY_QTRY(QTRY_VERIFY(QApplication::activePopupWidget() != nullptr));
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuDS"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
    DRAFTSURVEY_QTRY(QTRY_VERIFY(QApplication::activePopupWidget() == nullptr));
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
    QCOMPARE(Stored_(),
             (Stored{{"MainLeft", QString::number(closing.x() * ui::kTwipsPerPixel)},
                     {"MainTop", QString::number(closing.y() * ui::kTwipsPerPixel)},
                     {"MainWidth", QString::number(closing.width() * ui::kTwipsPerPixel)},
                     {"MainHeight", QString::number(closing.height() * ui::kTwipsPerPixel)}}));
    auto again = Start();
    QCOMPARE(again->frameGeometry(), closing);
  }

  // Closed minimised, the window stores nothing: what was stored stays.
  void minimisedCloseWritesNothing_data() {
    QTest::addColumn<Stored>("stored");
    QTest::newRow("stored before") << Stored{
        {"MainLeft", "3000"}, {"MainTop", "1500"}, {"MainWidth", "7000"}, {"MainHeight", "5000"}};
    QTest::newRow("first run") << Stored{};
  }
  void minimisedCloseWritesNothing() {
    QFETCH(Stored, stored);
    Store(stored);
    auto window = Start();
    window->move(10, 10);
    window->showMinimized();
    DRAFTSURVEY_QTRY(QTRY_VERIFY(window->isMinimized()));
    Close(window);
    QCOMPARE(Stored_(), stored);
  }

  void maximisedCloseWritesMaximisedBoundsAndNextStartIsNormal() {
    auto window = Start();
    window->showMaximized();
    DRAFTSURVEY_QTRY(QTRY_VERIFY(window->isMaximized()));
    DRAFTSURVEY_QTRY(QTRY_COMPARE(window->frameGeometry(), window->screen()->availableGeometry()));
    const QRect maximised = window->frameGeometry();
    Close(window);
    QCOMPARE(Stored_().value("MainWidth"), QString::number(maximised.width() * ui::kTwipsPerPixel));
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

  // A store nothing could be kept in: start-up neither blocks nor fails, and
  // closing says that the placement was not saved.
  void storeThatIsNoFileCountsAsAbsent_data() {
    QTest::addColumn<bool>("fifo");
    QTest::newRow("folder") << false;
    QTest::newRow("FIFO") << true;
  }
  void storeThatIsNoFileCountsAsAbsent() {
#ifdef Q_OS_WIN
    QSKIP("the registry holds no folders or FIFOs in a store's place");
#else
    QFETCH(bool, fifo);
    const QByteArray path = QFile::encodeName(settingsLocation());
    QVERIFY(fifo ? ::mkfifo(path.constData(), 0600) == 0 : QDir().mkpath(settingsLocation()));
    auto window = Start();
    QCOMPARE(window->frameGeometry(), QRect(67, 67, 433, 433));
    QVERIFY(OpenWorksheet(*window) != nullptr);
    QTest::ignoreMessage(QtWarningMsg, "The window's placement could not be saved.");
    Close(window);
    QVERIFY(window.isNull());
    QVERIFY(!QFileInfo(settingsLocation()).isFile());
#endif
  }

  void linesTheStoreCannotReadDoNotSpoilTheSave() {
#ifdef Q_OS_WIN
    QSKIP("only a settings file can hold unreadable lines");
#else
    QFile file(settingsLocation());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nMainLeft=1500\nnot a setting\n[Other]\nnor this\n[Unclosed\n");
    file.close();
    QTest::failOnWarning(QRegularExpression(QStringLiteral("placement")));
    auto window = Start();
    QCOMPARE(window->frameGeometry().topLeft(), QPoint(100, 67));
    window->move(150, 120);
    Close(window);
    QCOMPARE(Stored_().value("MainLeft"), QStringLiteral("2250"));
#endif
  }

  // Stored bounds that no screen could show are brought within reach, and
  // closing stores what was shown; bounds a screen can show stay as stored.
  void placementBeyondTheScreensIsBroughtWithinReach_data() {
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<QRect>("shown");
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("larger than the desktop") << Stored{{"MainLeft", "1500"},
                                                       {"MainTop", "1500"},
                                                       {"MainWidth", "1e20"},
                                                       {"MainHeight", "1e20"}}
                                             << QRect(100, 100, desktop.width(), desktop.height());
    QTest::newRow("far out of sight") << Stored{{"MainLeft", "900000"},
                                                {"MainTop", "-900000"},
                                                {"MainWidth", "6000"},
                                                {"MainHeight", "4500"}}
                                      << QRect(67, 67, 400, 300);
    QTest::newRow("title bar above the screen") << Stored{{"MainLeft", "1500"},
                                                          {"MainTop", "-450"},
                                                          {"MainWidth", "6000"},
                                                          {"MainHeight", "4500"}}
                                                << QRect(67, 67, 400, 300);
    const int low = desktop.bottom() - 4;  // the title bar's top rows show
    QTest::newRow("partly off-screen is kept")
        << Stored{{"MainLeft", QString::number((desktop.right() - 99) * ui::kTwipsPerPixel)},
                  {"MainTop", "1500"},
                  {"MainWidth", "6000"},
                  {"MainHeight", "4500"}}
        << QRect(desktop.right() - 99, 100, 400, 300);
    QTest::newRow("title bar edge on screen is kept")
        << Stored{{"MainLeft", "1500"},
                  {"MainTop", QString::number(low * ui::kTwipsPerPixel)},
                  {"MainWidth", "6000"},
                  {"MainHeight", "4500"}}
        << QRect(100, low, 400, 300);
  }
  void placementBeyondTheScreensIsBroughtWithinReach() {
    QFETCH(Stored, stored);
    QFETCH(QRect, shown);
    Store(stored);
    auto window = Start();
    QCOMPARE(window->frameGeometry(), shown);
    Close(window);
    QCOMPARE(Stored_(),
             (Stored{{"MainLeft", QString::number(shown.x() * ui::kTwipsPerPixel)},
                     {"MainTop", QString::number(shown.y() * ui::kTwipsPerPixel)},
                     {"MainWidth", QString::number(shown.width() * ui::kTwipsPerPixel)},
                     {"MainHeight", QString::number(shown.height() * ui::kTwipsPerPixel)}}));
  }

#ifdef Q_OS_WIN
  // The real per-user store, where the README says: the key
  // HKEY_CURRENT_USER\\Software\\Draft Survey, section Settings.
  void storesThePlacementUnderTheDocumentedKey() {
    const auto remove = qScopeGuard([] {
      QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat)
          .remove(Title());
    });
    QPointer<app::MainWindow> window = new app::MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->move(150, 120);
    const int left = window->frameGeometry().x() * ui::kTwipsPerPixel;
    Close(window);
    std::array<wchar_t, 64> text{};
    DWORD size = sizeof(text);
    QCOMPARE(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Draft Survey\\Settings", L"MainLeft",
                          RRF_RT_REG_SZ, nullptr, text.data(), &size),
             ERROR_SUCCESS);
    QCOMPARE(QString::fromWCharArray(text.data()), QString::number(left));
  }
#endif

  // With two screens side by side, of different heights.
  void withinReachCountsEveryScreen_data() {
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QRect>("shown");
    QTest::newRow("on the second screen")
        << QRect(2500, 100, 600, 400) << QRect(2500, 100, 600, 400);
    QTest::newRow("wider than one screen")
        << QRect(100, 100, 3000, 400) << QRect(100, 100, 3000, 400);
    QTest::newRow("cut to both screens")
        << QRect(100, 100, 9000, 9000) << QRect(100, 100, 3200, 1080);
    QTest::newRow("below the shorter screen")
        << QRect(2500, 1050, 600, 400) << QRect(67, 67, 600, 400);
  }
  void withinReachCountsEveryScreen() {
    QFETCH(QRect, stored);
    QFETCH(QRect, shown);
    const QList<QRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    QCOMPARE(app::Placement::WithinReach(stored, screens), shown);
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

  // The menu brings the one worksheet back with its figures, shown and
  // active, whether it was left open behind the main window or minimised.
  void menuTwiceShowsTheSameWorksheetWithItsFigures_data() {
    QTest::addColumn<bool>("minimised");
    QTest::newRow("behind the main window") << false;
    QTest::newRow("minimised") << true;
  }
  void menuTwiceShowsTheSameWorksheetWithItsFigures() {
    QFETCH(bool, minimised);
    auto window = Start();
    QPointer<ui::WorksheetWindow> first = OpenWorksheet(*window);
    QTest::keyClicks(first->findChild<QLineEdit*>("Text2"), "7.11");
    if (minimised) {
      first->showMinimized();
      DRAFTSURVEY_QTRY(QTRY_VERIFY(first->isMinimized()));
    }
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));

    QTest::keyClick(window, Qt::Key_D, Qt::AltModifier);
    DRAFTSURVEY_QTRY(QTRY_VERIFY(QApplication::activePopupWidget() != nullptr));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);

    DRAFTSURVEY_QTRY(QTRY_VERIFY(first->isActiveWindow()));
    QVERIFY(!first->isMinimized());
    QVERIFY(first->isVisible());
    QCOMPARE(first->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("7.11"));
    QVERIFY(first->parentWidget() == nullptr);
    QVERIFY(!first->isModal());
    int sheets = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
      sheets += top->objectName() == "frmDraftSurvey";
    QCOMPARE(sheets, 1);
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

  // 270 twips high with the written font; taller where the system font
  // needs it, so that no panel cuts its text.
  void statusBarShowsStatusDateAndTime_data() {
    QTest::addColumn<qreal>("points");
    QTest::addColumn<int>("height");
    QTest::newRow("the written 8.25 pt") << 8.25 << 18;
    QTest::newRow("a large 16 pt") << 16.0 << 0;
  }
  void statusBarShowsStatusDateAndTime() {
    QFETCH(qreal, points);
    QFETCH(int, height);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    const ScopedFont system(font);
    auto window = Start();
    auto* bar = window->findChild<QStatusBar*>("sbStatusBar");
    QVERIFY(bar != nullptr);
    if (height > 0) QCOMPARE(bar->height(), height);
    auto* status = bar->findChild<QLabel*>("sbStatusBarStatus");
    auto* date = bar->findChild<QLabel*>("sbStatusBarDate");
    auto* time = bar->findChild<QLabel*>("sbStatusBarTime");
    QCOMPARE(status->text(), QStringLiteral("Status"));
    for (QLabel* panel : {status, date, time}) {
      QVERIFY(panel->width() >= 96);
      QVERIFY2(panel->height() >= panel->fontMetrics().height(), qPrintable(panel->objectName()));
    }
    window->resize(900, window->height());
    DRAFTSURVEY_QTRY(QTRY_VERIFY(status->width() > 900 - date->width() - time->width() - 60));
    QVERIFY(status->x() < date->x() && date->x() < time->x());
  }

  // Whatever the system's date and time formats, the panels show the
  // clock's day and minute, and follow the clock.
  void statusBarKeepsDateAndTimeCurrent() {
    QDateTime now(QDate(2001, 9, 26), QTime(14, 47));
    app::StatusBar bar(nullptr, [&] { return now; });
    auto* date = bar.findChild<QLabel*>("sbStatusBarDate");
    auto* time = bar.findChild<QLabel*>("sbStatusBarTime");
    QVERIFY2(date->text().contains("26") && date->text().contains("01"), qPrintable(date->text()));
    QVERIFY2(time->text().contains("47"), qPrintable(time->text()));
    now = QDateTime(QDate(2001, 9, 27), QTime(0, 1));
    DRAFTSURVEY_QTRY(QTRY_VERIFY2(date->text().contains("27"), qPrintable(date->text())));
    QVERIFY2(time->text().contains("01") && !time->text().contains("47"), qPrintable(time->text()));
  }
};

DRAFTSURVEY_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

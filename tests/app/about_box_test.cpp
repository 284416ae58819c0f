#include "app/about_box.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QWindow>

#include "app/main_window.h"
#include "tests/support/gui_test_case.h"
#include "tests/support/legibility.h"
#include "tests/support/scoped_setting.h"
#include "ui/line_widget.h"
#include "ui/worksheet_window.h"

using testing_support::Dismissal;

class AboutBoxTest : public testing_support::GuiTestCase {
  Q_OBJECT

 protected:
  void SetUp() override {
    main_ = new app::MainWindow(settingsLocation());
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_));
  }

  void OpenAbout() { main_->findChild<QAction*>("mnuHelpAbout")->trigger(); }

  QPointer<app::MainWindow> main_;

 private slots:
  void showsTitleVersionAndTexts() {
    app::AboutBox about(main_);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About ") + Title());
    QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.1.0"));
    QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), Title());
    for (const char* name : {"lblTitle", "lblDescription", "lblDisclaimer"}) {
      QCOMPARE(about.findChild<QLabel*>(name)->palette().color(QPalette::WindowText),
               QColor(Qt::black));
    }
    QVERIFY(about.findChild<QLabel*>("lblDisclaimer")->text().count('\n') >= 3);
    QCOMPARE(about.findChild<ui::LineWidget*>("Line1")->palette().color(QPalette::WindowText),
             QColor(Qt::white));
    QCOMPARE(about.findChild<QPushButton*>("cmdOK")->geometry(), QRect(72, 208, 98, 23));
    QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(),
             QStringLiteral("&System Info..."));
    QVERIFY(about.findChild<QPushButton*>("cmdOK")->isDefault());
    for (QLabel* label : about.findChildren<QLabel*>()) QCOMPARE(label->focusPolicy(), Qt::NoFocus);
  }

  // Black captions, as drawn for light schemes, stay black where they
  // read; in GNOME's dark style the scheme's text colour stands in.
  void everyCaptionReadsInADarkScheme() {
    const testing_support::ScopedPalette palette(testing_support::GnomeDarkScheme());
    app::AboutBox about(main_);
    const auto worst = testing_support::WorstTextOf(about);
    QVERIFY2(worst.contrast >= 4.5, qPrintable(worst.name));
  }

  void hasAFixedDialogFrame() {
    app::AboutBox about(main_);
    QCOMPARE(about.size(), QSize(391, 242));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    const auto flags = about.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(about.parentWidget(), main_.data());
  }

  void closes_data() { testing_support::AddDismissalRows(); }
  void closes() {
    QFETCH(Dismissal, how);
    QString focus;
    boxes().Expect(1, how, [&](QDialog&) { focus = QApplication::focusWidget()->objectName(); });
    OpenAbout();  // returns only once the box has closed
    QCOMPARE(boxes().seen().size(), std::size_t{1});
    QCOMPARE(boxes().seen().front().object_name, QStringLiteral("frmAbout"));
    QCOMPARE(focus, QStringLiteral("cmdOK"));
    QVERIFY(main_->findChild<app::AboutBox*>() == nullptr);
  }

  // Minimised by a window manager, the box comes back when the main window,
  // which it blocks, is clicked.
  void aMinimisedBoxComesBackWhenTheMainWindowIsClicked() {
    bool back = false;
    boxes().Expect(1, Dismissal::kOkButton, [&](QDialog& box) {
      box.showMinimized();
      main_->activateWindow();
      QTest::mouseClick(main_->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
      back = QTest::qWaitFor([&] { return !box.isMinimized() && box.isActiveWindow(); });
    });
    OpenAbout();
    QVERIFY(back);
  }

  // Enter presses the button with the focus; OK is the default only when no
  // other button has it.
  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("closes");
    QTest::newRow("OK") << "cmdOK" << true;
    QTest::newRow("System Info...") << "cmdSysInfo" << false;
  }
  void enterPressesTheFocusedButton() {
    QFETCH(QString, focus);
    QFETCH(bool, closes);
    bool open_after = false;
    boxes().Expect(1, Dismissal::kCloseBox, [&](QDialog& about) {
      about.findChild<QPushButton*>(focus)->setFocus();
      if (!closes) boxes().Expect(1);
      QTest::keyClick(about.windowHandle(), Qt::Key_Return);
      open_after = about.isVisible();
    });
    OpenAbout();
    QCOMPARE(open_after, !closes);
    QCOMPARE(boxes().seen().size(), std::size_t{closes ? 1U : 2U});
  }

  // The platform may close the main window while the box is open: the box
  // goes first, then the placement is saved, and nothing is left behind.
  void closingTheMainWindowEndsTheBoxFirst() {
    bool box_open_at_save = true;
    boxes().Expect(1, Dismissal::kCloseBox, [&](QDialog& about) {
      main_->close();
      box_open_at_save = about.isVisible();
    });
    OpenAbout();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main_.isNull());
    QVERIFY(!box_open_at_save);
    QSettings store(settingsLocation(), QSettings::NativeFormat);
    QVERIFY(store.contains(QStringLiteral("Settings/MainHeight")));
  }

  void isCentredOverItsOwner() {
    main_->setGeometry(200, 150, 600, 500);
    QPoint offset;
    boxes().Expect(1, Dismissal::kOkButton, [&](QDialog& about) {
      offset = about.frameGeometry().center() - main_->frameGeometry().center();
    });
    OpenAbout();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
  }

  void blocksEveryOtherWindowWhileOpen() {
    main_->findChild<QAction*>("mnuDraftSurvey")->trigger();
    ui::WorksheetWindow* sheet = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* found = qobject_cast<ui::WorksheetWindow*>(top)) sheet = found;
    }
    QVERIFY(sheet != nullptr);
    QTest::keyClicks(sheet->findChild<QLineEdit*>("Text1"), "7.15");
    auto* clear = sheet->findChild<QPushButton*>("Command14");
    bool modal = false;
    boxes().Expect(1, Dismissal::kOkButton, [&](QDialog& about) {
      modal = QApplication::activeModalWidget() == &about && about.isModal();
      // Clicks reach windows through the window system, which drops them
      // for windows that a modal box blocks.
      const QPoint centre = clear->mapTo(sheet, clear->rect().center());
      QTest::mouseClick(sheet->windowHandle(), Qt::LeftButton, {}, centre);
      QTest::mouseClick(main_->windowHandle(), Qt::LeftButton, {}, QPoint(20, 10));
      QCoreApplication::processEvents();
    });
    OpenAbout();
    QVERIFY(modal);
    QCOMPARE(sheet->findChild<QLineEdit*>("Text1")->text(), QStringLiteral("7.15"));
    QVERIFY(QApplication::activePopupWidget() == nullptr);
  }

  void systemInfoShowsTheNoticeAndStaysOpen() {
    bool open_after = false;
    boxes().Expect(1, Dismissal::kOkButton, [&](QDialog& about) {
      boxes().Expect(1);
      QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
      open_after = about.isVisible();
    });
    OpenAbout();
    QCOMPARE(boxes().seen().size(), std::size_t{2});
    QCOMPARE(boxes().seen()[1].title, Title());
    QCOMPARE(boxes().seen()[1].text,
             QStringLiteral("System Information Is Unavailable At This Time"));
    QVERIFY(open_after);
  }
};

DRAFTSURVEY_GUI_TEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"

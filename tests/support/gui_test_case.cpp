#include "tests/support/gui_test_case.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QUuid>
#include <QWidget>

#include "ui/look.h"

namespace testing_support {
namespace {

#ifdef Q_OS_WIN
const QString kTestKeys = QStringLiteral("HKEY_CURRENT_USER\\Software\\Draft Survey tests");
#endif

}  // namespace

QPalette GnomeDarkScheme() {
  QPalette scheme(QColor(0xee, 0xee, 0xec), QColor(0x32, 0x32, 0x32));
  scheme.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
  scheme.setColor(QPalette::Text, QColor(0xff, 0xff, 0xff));
  scheme.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
  scheme.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
  scheme.setColor(QPalette::Link, QColor(0x35, 0x84, 0xe4));
  scheme.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
  scheme.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xec));
  return scheme;
}

WorstText WorstTextOf(const QWidget& window) {
  WorstText worst;
  const auto check = [&](const QWidget& control, QPalette::ColorRole text,
                         QPalette::ColorRole background) {
    const QPalette& palette = control.palette();
    const double contrast = ui::Contrast(palette.color(text), palette.color(background));
    if (contrast < worst.contrast) worst = {control.objectName(), contrast};
  };
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    check(*label, QPalette::WindowText, QPalette::Window);
  }
  for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
    check(*field, QPalette::Text, QPalette::Base);
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    check(*button, QPalette::ButtonText, QPalette::Button);
  }
  return worst;
}

void GuiTestCase::init() {
  settings_ = std::make_unique<QTemporaryDir>();
  QVERIFY(settings_->isValid());
#ifdef Q_OS_WIN
  settings_location_ = kTestKeys + u'\\' + QUuid::createUuid().toString(QUuid::WithoutBraces);
#else
  settings_location_ = settings_->path() + QStringLiteral("/Draft Survey.conf");
#endif
  boxes_ = std::make_unique<ModalBoxes>();
  SetUp();
}

void GuiTestCase::cleanup() {
  TearDown();
  for (QWidget* window : QApplication::topLevelWidgets()) window->deleteLater();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#ifdef Q_OS_WIN
  QSettings tests(kTestKeys, QSettings::NativeFormat);
  tests.remove(settings_location_.section(u'\\', -1));
  if (tests.childGroups().isEmpty()) {
    QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat)
        .remove(kTestKeys.section(u'\\', -1));
  }
#endif
  const auto unexpected = boxes_->unexpected();
  const int outstanding = boxes_->outstanding();
  boxes_.reset();
  for (const SeenBox& box : unexpected) {
    qWarning("unexpected modal box \"%s\": %s", qPrintable(box.title), qPrintable(box.text));
  }
  QVERIFY2(unexpected.empty(), "a modal box came up that the test did not expect");
  QVERIFY2(outstanding == 0, "a modal box the test expected never came up");
}

}  // namespace testing_support

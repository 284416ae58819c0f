#include "tests/support/gui_test_case.h"

#include <QSettings>
#include <QUuid>
#include <QWidget>

namespace testing_support {
namespace {

#ifdef Q_OS_WIN
const QString kTestKeys = QStringLiteral("HKEY_CURRENT_USER\\Software\\") +
                          QString::fromLatin1(ui::kApplicationTitle) + QStringLiteral(" tests");
#endif

}  // namespace

void GuiTestCase::init() {
  settings_ = std::make_unique<QTemporaryDir>();
  QVERIFY(settings_->isValid());
#ifdef Q_OS_WIN
  settings_location_ = kTestKeys + u'\\' + QUuid::createUuid().toString(QUuid::WithoutBraces);
#else
  settings_location_ = settings_->path() + u'/' + Title() + QStringLiteral(".conf");
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

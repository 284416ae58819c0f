#include "tests/support/gui_test_case.h"

#include <QSettings>
#include <QWidget>

namespace testing_support {

void GuiTestCase::init() {
  settings_ = std::make_unique<QTemporaryDir>();
  QVERIFY(settings_->isValid());
  for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, settings_->path());
  }
  boxes_ = std::make_unique<ModalBoxes>();
  SetUp();
}

void GuiTestCase::cleanup() {
  TearDown();
  for (QWidget* window : QApplication::topLevelWidgets()) window->deleteLater();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

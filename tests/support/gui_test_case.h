#pragma once

#include <QApplication>
#include <QByteArray>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "tests/support/modal_boxes.h"
#include "ui/application_title.h"

namespace testing_support {

// Base of every window test: a fresh settings store and a fresh modal
// box watcher for each test function, and a failure for any modal box the
// test did not announce. Test classes create their windows in SetUp() and
// destroy them in TearDown().
class GuiTestCase : public QObject {
  Q_OBJECT

 protected:
  [[nodiscard]] ModalBoxes& boxes() { return *boxes_; }
  // A settings store of the test's own: a file in a temporary folder, or
  // on Windows a registry key that is removed after the test.
  [[nodiscard]] QString settingsLocation() const { return settings_location_; }
  // The program's title: its boxes' and the worksheet's, its settings' name.
  [[nodiscard]] static QString Title() { return QString::fromLatin1(ui::kApplicationTitle); }

  virtual void SetUp() {}
  virtual void TearDown() {}

 private slots:
  void init();
  void cleanup();

 private:
  std::unique_ptr<QTemporaryDir> settings_;
  QString settings_location_;
  std::unique_ptr<ModalBoxes> boxes_;
};

// Runs a test class on the platform the environment names: CTest names the
// offscreen one; started by hand on a desktop, the test can be watched.
template <class Test>
int RunGuiTest(int argc, char** argv) {
  QApplication application(argc, argv);
  Test test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace testing_support

// A QTRY_ check, with the warning that Qt 6.8's QTRY_ macros give for
// narrowing their own timeout (a long to an int) silenced for that check
// alone: DRAFTSURVEY_QTRY(QTRY_VERIFY(window->isMinimized())).
#define DRAFTSURVEY_QTRY(...)                                                                      \
  do {                                                                                             \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wconversion\"") __VA_ARGS__; \
    _Pragma("GCC diagnostic pop")                                                                  \
  } while (false)

#define DRAFTSURVEY_GUI_TEST_MAIN(TestClass)                   \
  int main(int argc, char** argv) {                            \
    return testing_support::RunGuiTest<TestClass>(argc, argv); \
  }

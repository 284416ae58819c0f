#pragma once

#include <QDialog>
#include <string>

#include "app/sysinfo/native_launcher.h"
#include "app/sysinfo/native_registry.h"
#include "app/sysinfo/notice_sink.h"
#include "app/sysinfo/system_information.h"

namespace app {

// The About box: title, version, credit line and contact block, an OK
// button and a button that starts the system-information tool.
class AboutBox : public QDialog, public sysinfo::NoticeSink {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* owner);

  // sysinfo::NoticeSink
  void ShowNotice(const std::string& text) override;

  static QString VersionText();

 private:
  sysinfo::NativeRegistry registry_;
  sysinfo::NativeLauncher launcher_;
  sysinfo::SystemInformation system_information_{registry_, launcher_, *this};
};

}  // namespace app

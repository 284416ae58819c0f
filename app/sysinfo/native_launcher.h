#pragma once

#include "app/sysinfo/launcher.h"

namespace sysinfo {

// The file test and a detached start of a program, through Win32 or POSIX.
class NativeLauncher : public Launcher {
 public:
  bool IsFile(const std::string& path) override;
  bool Start(const std::string& path) override;
};

}  // namespace sysinfo

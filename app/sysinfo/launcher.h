#pragma once

#include <string>

namespace sysinfo {

// The file test and the start of another program.
class Launcher {
 public:
  virtual ~Launcher() = default;

  // True for an ordinary file: not a directory, and on Windows not a hidden
  // or system file either.
  virtual bool IsFile(const std::string& path) = 0;
  // Starts the program at `path` as a separate process, shown normally,
  // without waiting for it. False when it could not be started.
  virtual bool Start(const std::string& path) = 0;
};

}  // namespace sysinfo

#include "app/sysinfo/native_launcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "tests/support/file_wait.h"

namespace sysinfo {
namespace {

using testing_support::AppearsWithin;

#ifndef _WIN32

namespace fs = std::filesystem;

// A folder of its own for one test, removed afterwards; its name has blanks.
class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = fs::temp_directory_path() /
            ("draft survey test " +
             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  [[nodiscard]] const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// A tool that proves it ran by leaving a marker file beside itself.
fs::path WriteTool(const fs::path& folder, const std::string& name) {
  const fs::path tool = folder / name;
  std::ofstream(tool) << "#!/bin/sh\ntouch \"$(dirname \"$0\")/ran\"\n";
  fs::permissions(tool, fs::perms::owner_all);
  return tool;
}

TEST(NativeLauncher, StartsAProgramWhosePathHasBlanks) {
  ScratchFolder folder;
  const fs::path tool = WriteTool(folder.path(), "sys info tool");
  NativeLauncher launcher;
  EXPECT_TRUE(launcher.Start(tool.string()));
  EXPECT_TRUE(AppearsWithin(folder.path() / "ran", std::chrono::seconds(10)));
}

TEST(NativeLauncher, ReportsWhatCannotStart) {
  ScratchFolder folder;
  const fs::path plain = folder.path() / "not a program";
  std::ofstream(plain) << "text\n";
  NativeLauncher launcher;
  EXPECT_FALSE(launcher.Start(""));
  EXPECT_FALSE(launcher.Start((folder.path() / "missing").string()));
  EXPECT_FALSE(launcher.Start(folder.path().string()));
  EXPECT_FALSE(launcher.Start(plain.string()));
}

TEST(NativeLauncher, CountsOnlyOrdinaryFiles) {
  ScratchFolder folder;
  const fs::path file = folder.path() / "MSINFO32.EXE";
  std::ofstream(file) << "x";
  NativeLauncher launcher;
  EXPECT_TRUE(launcher.IsFile(file.string()));
  EXPECT_FALSE(launcher.IsFile(folder.path().string()));
  EXPECT_FALSE(launcher.IsFile((folder.path() / "missing").string()));
}

#endif

}  // namespace
}  // namespace sysinfo

#pragma once

namespace app {

// While the program runs it holds a named mutex, in the session's and in
// the global namespace, by which its installer and uninstaller tell that a
// copy is open before they change anything (the convention of Inno
// Setup's AppMutex). Nothing on other platforms.
class RunningMark {
 public:
  RunningMark();
  ~RunningMark();
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;

 private:
  void* session_ = nullptr;
  void* global_ = nullptr;
};

}  // namespace app

#include "app/running_mark.h"

#ifdef _WIN32
#include <windows.h>

#include "app/product.h"
#endif

namespace app {

#ifdef _WIN32
RunningMark::RunningMark()
    : session_(CreateMutexW(nullptr, FALSE, kRunningMutex)),
      global_(CreateMutexW(nullptr, FALSE, kRunningMutexGlobal)) {}

RunningMark::~RunningMark() {
  if (session_ != nullptr) CloseHandle(session_);
  if (global_ != nullptr) CloseHandle(global_);
}
#else
RunningMark::RunningMark() = default;
RunningMark::~RunningMark() = default;
#endif

}  // namespace app

#include "app/sysinfo/native_launcher.h"

#ifdef _WIN32
#include <windows.h>

#include "app/sysinfo/text_encoding.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace sysinfo {

#ifdef _WIN32

bool NativeLauncher::IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
  constexpr DWORD kNotOrdinary =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotOrdinary) == 0;
}

bool NativeLauncher::Start(const std::string& path) {
  if (path.empty()) return false;
  // The path names the program itself; the command line only repeats it,
  // quoted, so that a path with blanks can never start another program.
  const std::wstring program = WideFromUtf8(path);
  std::wstring command_line = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

#else

bool NativeLauncher::IsFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

namespace {

// Reads what the grandchild reported: nothing when exec succeeded (the
// pipe closed on exec), its errno when it failed.
bool ExecSucceeded(int report) {
  int error = 0;
  ssize_t got = 0;
  do {
    got = read(report, &error, sizeof(error));
  } while (got < 0 && errno == EINTR);
  return got == 0;
}

}  // namespace

bool NativeLauncher::Start(const std::string& path) {
  if (path.empty()) return false;
  const char* const program = path.c_str();
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  // Started through an intermediate child that exits at once, so the tool
  // is adopted by init and never waited for, nor left behind as a zombie.
  // Between fork and exec only async-signal-safe calls are made.
  const pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    setsid();
    const pid_t tool = fork();
    if (tool == 0) {
      char* const argv[] = {const_cast<char*>(program), nullptr};
      execv(program, argv);
    }
    if (tool <= 0) {
      const int error = errno;
      [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof(error));
    }
    _exit(0);
  }
  close(report[1]);
  if (child < 0) {
    close(report[0]);
    return false;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  const bool started = ExecSucceeded(report[0]);
  close(report[0]);
  return started;
}

#endif

}  // namespace sysinfo

// Stands in for the system-information tool: leaves "ran-<its file name>.txt"
// beside itself, so a test can see which program was started.
#include <windows.h>

#include <string>

int main() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  const auto slash = path.find_last_of(L'\\');
  const std::wstring marker =
      path.substr(0, slash + 1) + L"ran-" + path.substr(slash + 1) + L".txt";
  const HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(file);
  return 0;
}

// The launcher against the real Windows registry and process creation (run
// under Wine on Linux): values are written to HKEY_LOCAL_MACHINE for each
// test and removed afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/sysinfo/native_launcher.h"
#include "app/sysinfo/native_registry.h"
#include "app/sysinfo/system_information.h"
#include "tests/support/file_wait.h"

namespace sysinfo {
namespace {

using testing_support::AppearsWithin;

namespace fs = std::filesystem;

const wchar_t* const kMsinfoKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const wchar_t* const kLocationKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";
const fs::path kToolFolder = L"C:\\Test Tools";

// Sets one machine-wide value for a test and removes the key it made.
class ScopedValue {
 public:
  ScopedValue(const wchar_t* key, const wchar_t* name, DWORD type, const void* data, DWORD size)
      : key_(key) {
    HKEY handle = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &handle, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(handle, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(handle);
  }
  ~ScopedValue() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key_);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key_);
  }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

  static ScopedValue Text(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
    return {key, name, REG_SZ, text.c_str(),
            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))};
  }

 private:
  const wchar_t* key_;
};

// "C:\Test Tools" with copies of the marker tool, removed afterwards.
class ToolFolder {
 public:
  ToolFolder() {
    fs::remove_all(kToolFolder);
    fs::create_directories(kToolFolder);
  }
  ~ToolFolder() {
    std::error_code ignored;
    fs::remove_all(kToolFolder, ignored);
  }
  ToolFolder(const ToolFolder&) = delete;
  ToolFolder& operator=(const ToolFolder&) = delete;

  static fs::path Install(const std::wstring& name) {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    const fs::path tool = fs::path(self).parent_path() / MARKER_TOOL_NAME;
    fs::copy_file(tool, kToolFolder / name, fs::copy_options::overwrite_existing);
    return kToolFolder / name;
  }
  static fs::path Marker(const std::wstring& name) {
    return kToolFolder / (L"ran-" + name + L".txt");
  }
};

class RecordingNotices : public NoticeSink {
 public:
  std::vector<std::string> shown;
  void ShowNotice(const std::string& text) override { shown.push_back(text); }
};

// The real registry, with the rights of every open recorded.
class WatchedRegistry : public NativeRegistry {
 public:
  std::vector<std::uint32_t> access;
  long OpenKey(RootKey root, const std::string& path, std::uint32_t options, std::uint32_t rights,
               Key& key) override {
    access.push_back(rights);
    return NativeRegistry::OpenKey(root, path, options, rights, key);
  }
};

std::vector<std::string> StartSysInfo(WatchedRegistry& registry) {
  NativeLauncher launcher;
  RecordingNotices notices;
  SystemInformation(registry, launcher, notices).StartSysInfo();
  return notices.shown;
}

std::vector<std::string> StartSysInfo() {
  WatchedRegistry registry;
  return StartSysInfo(registry);
}

const std::vector<std::string> kNotice{"System Information Is Unavailable At This Time"};

TEST(WindowsStartSysInfo, StartsTheProgramNamedByPathEvenWithBlanks) {
  ToolFolder folder;
  const fs::path tool = ToolFolder::Install(L"sys info.exe");
  // What an unquoted command line "C:\Test Tools\sys info.exe" would start.
  ToolFolder::Install(L"sys.exe");
  const auto path = ScopedValue::Text(kMsinfoKey, L"PATH", tool.wstring());

  EXPECT_TRUE(StartSysInfo().empty());
  EXPECT_TRUE(AppearsWithin(ToolFolder::Marker(L"sys info.exe"), std::chrono::seconds(30)));
  EXPECT_FALSE(fs::exists(ToolFolder::Marker(L"sys.exe")));
}

TEST(WindowsStartSysInfo, StartsMsinfo32InTheSharedToolsFolder) {
  ToolFolder folder;
  ToolFolder::Install(L"MSINFO32.EXE");
  const auto location = ScopedValue::Text(kLocationKey, L"MSINFO", kToolFolder.wstring());

  EXPECT_TRUE(StartSysInfo().empty());
  EXPECT_TRUE(AppearsWithin(ToolFolder::Marker(L"MSINFO32.EXE"), std::chrono::seconds(30)));
}

TEST(WindowsStartSysInfo, FolderWithoutMsinfo32StartsNothing) {
  ToolFolder folder;
  ToolFolder::Install(L"other.exe");
  const auto location = ScopedValue::Text(kLocationKey, L"MSINFO", kToolFolder.wstring());

  EXPECT_EQ(StartSysInfo(), kNotice);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(ToolFolder::Marker(L"other.exe")));
}

TEST(WindowsStartSysInfo, NoPathToReadShowsTheNotice) {
  EXPECT_EQ(StartSysInfo(), kNotice);  // neither value
  for (const std::wstring& text :
       {std::wstring(), std::wstring(2000, L'p')}) {  // longer than the buffer
    const auto path = ScopedValue::Text(kMsinfoKey, L"PATH", text);
    EXPECT_EQ(StartSysInfo(), kNotice) << text.size() << " characters";
  }
}

TEST(WindowsStartSysInfo, DwordPathShowsTheNotice) {
  const DWORD number = 0x12345678;
  const ScopedValue path(kMsinfoKey, L"PATH", REG_DWORD, &number, sizeof(number));
  WatchedRegistry registry;
  NativeLauncher launcher;
  RecordingNotices notices;
  SystemInformation info(registry, launcher, notices);
  std::string text;
  EXPECT_TRUE(info.GetKeyValue(RootKey::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                               "PATH", text));
  EXPECT_EQ(text, "&h12345678");
  info.StartSysInfo();
  EXPECT_EQ(notices.shown, kNotice);
}

TEST(WindowsStartSysInfo, BinaryFillingTheBufferShowsTheNotice) {
  ToolFolder folder;
  ToolFolder::Install(L"MSINFO32.EXE");
  const std::string no_zero(1024, 'x');
  const ScopedValue path(kMsinfoKey, L"PATH", REG_BINARY, no_zero.data(), 1024);
  const auto location = ScopedValue::Text(kLocationKey, L"MSINFO", kToolFolder.wstring());

  EXPECT_EQ(StartSysInfo(), kNotice);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(ToolFolder::Marker(L"MSINFO32.EXE")));
}

TEST(WindowsStartSysInfo, OpensKeysWithReadRightsOnly) {
  const auto path = ScopedValue::Text(kMsinfoKey, L"PATH", L"C:\\nowhere\\none.exe");
  WatchedRegistry registry;
  EXPECT_EQ(StartSysInfo(registry), kNotice);
  ASSERT_FALSE(registry.access.empty());
  for (const std::uint32_t rights : registry.access)
    EXPECT_EQ(rights, static_cast<std::uint32_t>(KEY_READ));

  // A key opened so cannot be written through.
  Registry::Key key = 0;
  ASSERT_EQ(registry.OpenKey(RootKey::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0,
                             kKeyRead, key),
            ERROR_SUCCESS);
  const char data[] = "x";
  EXPECT_EQ(RegSetValueExA(reinterpret_cast<HKEY>(key), "PATH", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(data), sizeof(data)),
            ERROR_ACCESS_DENIED);
  registry.CloseKey(key);
}

TEST(WindowsLauncher, CountsOnlyOrdinaryFiles) {
  ToolFolder folder;
  const fs::path plain = ToolFolder::Install(L"plain.exe");
  const fs::path hidden = ToolFolder::Install(L"hidden.exe");
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  NativeLauncher launcher;
  EXPECT_TRUE(launcher.IsFile(plain.string()));
  EXPECT_FALSE(launcher.IsFile(hidden.string()));
  EXPECT_FALSE(launcher.IsFile(kToolFolder.string()));
  EXPECT_FALSE(launcher.IsFile((kToolFolder / L"missing.exe").string()));
  EXPECT_FALSE(launcher.Start(""));
  EXPECT_FALSE(launcher.Start((kToolFolder / L"missing.exe").string()));
}

}  // namespace
}  // namespace sysinfo

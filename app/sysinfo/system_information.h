#pragma once

#include <string>
#include <string_view>

#include "app/sysinfo/launcher.h"
#include "app/sysinfo/notice_sink.h"
#include "app/sysinfo/registry.h"

namespace sysinfo {

// Finds the platform's system-information tool through the registry and
// starts it, or tells the user that it is unavailable.
class SystemInformation {
 public:
  static constexpr std::string_view kUnavailable = "System Information Is Unavailable At This Time";
  static constexpr std::size_t kBufferSize = 1024;

  SystemInformation(Registry& registry, Launcher& launcher, NoticeSink& notices);

  // Reads one value as text into `key_val`. A REG_SZ value replaces it with
  // its text up to the first zero byte; a REG_DWORD appends "&h" and two
  // hexadecimal digits per byte, most significant first, to what it holds;
  // any other type leaves `key_val` as it was. False, with `key_val` empty, when the key or the
  // value is missing, when the value is larger than 1024 bytes, or when it
  // fills the whole buffer without a zero byte.
  bool GetKeyValue(RootKey key_root, const std::string& key_name, const std::string& sub_key_ref,
                   std::string& key_val);

  // Starts the tool named by the "PATH" value, else MSINFO32.EXE in the
  // folder named by the "MSINFO" value; on any failure shows kUnavailable.
  void StartSysInfo();

 private:
  enum class Lookup { kRead, kMissing, kUnreadable };

  Lookup LookUp(RootKey key_root, const std::string& key_name, const std::string& sub_key_ref,
                std::string& key_val);
  Lookup ReadOpenKey(Registry::Key key, const std::string& sub_key_ref, std::string& key_val);

  Registry& registry_;
  Launcher& launcher_;
  NoticeSink& notices_;
};

}  // namespace sysinfo

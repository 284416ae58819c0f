#include "app/sysinfo/system_information.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace sysinfo {
namespace {

constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kSharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kToolFile = "\\MSINFO32.EXE";

std::string HexOfDword(std::span<const std::uint8_t, 4> little_endian) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string hex = "&h";
  for (auto byte = little_endian.rbegin(); byte != little_endian.rend(); ++byte) {
    hex += kDigits[*byte >> 4];
    hex += kDigits[*byte & 0x0f];
  }
  return hex;
}

}  // namespace

SystemInformation::SystemInformation(Registry& registry, Launcher& launcher, NoticeSink& notices)
    : registry_(registry), launcher_(launcher), notices_(notices) {}

bool SystemInformation::GetKeyValue(RootKey key_root, const std::string& key_name,
                                    const std::string& sub_key_ref, std::string& key_val) {
  return LookUp(key_root, key_name, sub_key_ref, key_val) == Lookup::kRead;
}

SystemInformation::Lookup SystemInformation::LookUp(RootKey key_root, const std::string& key_name,
                                                    const std::string& sub_key_ref,
                                                    std::string& key_val) {
  Registry::Key key = 0;
  // Read rights only: a standard user may not open a machine-wide key for writing.
  if (registry_.OpenKey(key_root, key_name, 0, kKeyRead, key) != kErrorSuccess) {
    key_val.clear();
    return Lookup::kMissing;  // nothing was opened, so nothing is closed
  }
  const Lookup result = ReadOpenKey(key, sub_key_ref, key_val);
  registry_.CloseKey(key);
  return result;
}

SystemInformation::Lookup SystemInformation::ReadOpenKey(Registry::Key key,
                                                         const std::string& sub_key_ref,
                                                         std::string& key_val) {
  std::array<std::uint8_t, kBufferSize> buffer{};
  std::uint32_t type = 0;
  auto size = static_cast<std::uint32_t>(buffer.size());
  if (registry_.QueryValue(key, sub_key_ref, type, buffer, size) != kErrorSuccess) {
    key_val.clear();
    return Lookup::kMissing;
  }
  const auto zero = std::find(buffer.begin(), buffer.end(), std::uint8_t{0});
  if (zero == buffer.end()) {
    key_val.clear();
    return Lookup::kUnreadable;
  }
  if (type == kRegSz) {
    key_val =
        registry_.TextFromAnsi(std::string_view(reinterpret_cast<const char*>(buffer.data()),
                                                static_cast<std::size_t>(zero - buffer.begin())));
  } else if (type == kRegDword) {
    key_val += HexOfDword(std::span<const std::uint8_t, 4>(buffer.data(), 4));
  }
  return Lookup::kRead;
}

void SystemInformation::StartSysInfo() {
  std::string path;
  Lookup found = LookUp(RootKey::kLocalMachine, kMsinfoKey, "PATH", path);
  if (found == Lookup::kMissing) {
    found = LookUp(RootKey::kLocalMachine, kSharedToolsKey, "MSINFO", path);
    if (found == Lookup::kRead) {
      // Joined as stored, without looking for a separator at the end.
      std::string candidate = path + kToolFile;
      if (launcher_.IsFile(candidate)) {
        path = std::move(candidate);
      } else {
        found = Lookup::kMissing;
      }
    }
  }
  if (found != Lookup::kRead || !launcher_.Start(path)) {
    notices_.ShowNotice(std::string(kUnavailable));
  }
}

}  // namespace sysinfo

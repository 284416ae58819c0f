#include "app/sysinfo/native_registry.h"

#ifdef _WIN32
#include <windows.h>

#include "app/sysinfo/text_encoding.h"
#endif

namespace sysinfo {

#ifdef _WIN32

namespace {

HKEY Handle(Registry::Key key) {
  return reinterpret_cast<HKEY>(key);
}

HKEY RootHandle(RootKey root) {
  switch (root) {
    case RootKey::kLocalMachine: return HKEY_LOCAL_MACHINE;
  }
  return nullptr;
}

}  // namespace

long NativeRegistry::OpenKey(RootKey root, const std::string& path, std::uint32_t options,
                             std::uint32_t access, Key& key) {
  HKEY opened = nullptr;
  const LONG status =
      RegOpenKeyExA(RootHandle(root), AnsiFromUtf8(path).c_str(), options, access, &opened);
  key = reinterpret_cast<Key>(opened);
  return status;
}

long NativeRegistry::QueryValue(Key key, const std::string& name, std::uint32_t& type,
                                std::span<std::uint8_t> data, std::uint32_t& size) {
  DWORD value_type = 0;
  DWORD value_size = size;
  const LONG status = RegQueryValueExA(Handle(key), AnsiFromUtf8(name).c_str(), nullptr,
                                       &value_type, data.data(), &value_size);
  type = value_type;
  size = value_size;
  return status;
}

long NativeRegistry::CloseKey(Key key) {
  return RegCloseKey(Handle(key));
}

std::string NativeRegistry::TextFromAnsi(std::string_view bytes) const {
  return Utf8FromAnsi(bytes);
}

#else

long NativeRegistry::OpenKey(RootKey /*root*/, const std::string& /*path*/,
                             std::uint32_t /*options*/, std::uint32_t /*access*/, Key& key) {
  key = 0;
  return kErrorFileNotFound;
}

long NativeRegistry::QueryValue(Key /*key*/, const std::string& /*name*/, std::uint32_t& type,
                                std::span<std::uint8_t> /*data*/, std::uint32_t& size) {
  type = 0;
  size = 0;
  return kErrorFileNotFound;
}

long NativeRegistry::CloseKey(Key /*key*/) {
  return kErrorSuccess;
}

std::string NativeRegistry::TextFromAnsi(std::string_view bytes) const {
  return std::string(bytes);
}

#endif

}  // namespace sysinfo

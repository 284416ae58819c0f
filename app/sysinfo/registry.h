#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sysinfo {

// Roots, value types, rights and results as the Win32 registry numbers them.
enum class RootKey : std::uint32_t { kLocalMachine = 0x80000002 };
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kKeyRead = 0x20019;  // standard read, query, enumerate, notify
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorMoreData = 234;

// The three registry calls a lookup makes, in the shape of RegOpenKeyExA,
// RegQueryValueExA and RegCloseKey.
class Registry {
 public:
  using Key = std::uintptr_t;

  virtual ~Registry() = default;

  virtual long OpenKey(RootKey root, const std::string& path, std::uint32_t options,
                       std::uint32_t access, Key& key) = 0;
  // On entry `size` is the buffer's size; on success it is the value's size.
  // A value larger than the buffer fails with kErrorMoreData.
  virtual long QueryValue(Key key, const std::string& name, std::uint32_t& type,
                          std::span<std::uint8_t> data, std::uint32_t& size) = 0;
  virtual long CloseKey(Key key) = 0;

  // Text as the registry's single-byte calls store it, as UTF-8.
  [[nodiscard]] virtual std::string TextFromAnsi(std::string_view bytes) const {
    return std::string(bytes);
  }
};

}  // namespace sysinfo

#pragma once

#include "app/sysinfo/registry.h"

namespace sysinfo {

// The machine's registry through advapi32 on Windows. Other systems keep no
// machine-wide values, so there every key is missing.
class NativeRegistry : public Registry {
 public:
  long OpenKey(RootKey root, const std::string& path, std::uint32_t options, std::uint32_t access,
               Key& key) override;
  long QueryValue(Key key, const std::string& name, std::uint32_t& type,
                  std::span<std::uint8_t> data, std::uint32_t& size) override;
  long CloseKey(Key key) override;
  [[nodiscard]] std::string TextFromAnsi(std::string_view bytes) const override;
};

}  // namespace sysinfo

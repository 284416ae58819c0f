#pragma once

#include <chrono>
#include <filesystem>
#include <thread>

namespace testing_support {

// Whether `file` exists within `limit`: a started program shows that it ran
// by leaving one behind.
inline bool AppearsWithin(const std::filesystem::path& file, std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (std::filesystem::exists(file)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

}  // namespace testing_support

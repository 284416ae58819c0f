#pragma once

#include <string>

namespace sysinfo {

// Where the launch shows its failure notice; the About box implements it.
class NoticeSink {
 public:
  virtual ~NoticeSink() = default;
  virtual void ShowNotice(const std::string& text) = 0;
};

}  // namespace sysinfo

#pragma once

#include <string>

#include "calc/fault.h"

namespace calc {

// What the window that shows a worksheet supplies to it. A step shows all
// its notices before it writes its first field. FieldWritten has a default
// body, as a host that shows no fields (the fuzz target, the benchmark)
// has nothing to do there.
class Host {
 public:
  virtual ~Host() = default;

  // Shows one line of text; returns once the user has dismissed it.
  virtual void ShowNotice(const std::string& text) = 0;

  // A step ended early on an arithmetic fault.
  virtual void ReportFault(Fault fault) = 0;

  // A step has just written field `n`; lets a window show the new text at
  // once, before the step's fault report, should one follow.
  virtual void FieldWritten(int n) { static_cast<void>(n); }
};

}  // namespace calc

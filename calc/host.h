#pragma once

#include <string>

#include "calc/fault.h"

namespace calc {

// What the window that shows a worksheet supplies to it. Members added
// after the first two have default bodies, so that a test double which
// overrides only ShowNotice and ReportFault keeps compiling.
class Host {
 public:
  virtual ~Host() = default;

  // Shows one line of text; returns once the user has dismissed it.
  virtual void ShowNotice(const std::string& text) = 0;

  // A command ended early on an arithmetic fault.
  virtual void ReportFault(Fault fault) = 0;

  // A command has just written field `n`; lets a window show the new text
  // at once, even while a later notice of the same command is still up.
  virtual void FieldWritten(int n) { static_cast<void>(n); }
};

}  // namespace calc

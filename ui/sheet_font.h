#pragma once

#include <QFont>

namespace ui {

// The font of the forms: "MS Sans Serif" 8.25 pt where the system has it,
// elsewhere the bundled Liberation Sans, so that the sheet's captions fit
// their boxes the same way on every machine.
class SheetFont {
 public:
  static QFont Font();

  static constexpr double kPointSize = 8.25;
  static constexpr const char* kPreferredFamily = "MS Sans Serif";
  static constexpr const char* kBundledFamily = "Liberation Sans";
};

}  // namespace ui

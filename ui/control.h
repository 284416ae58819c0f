#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "calc/worksheet.h"
#include "ui/look.h"

namespace ui {

// One row of a form's table of controls. Forms are built from such tables
// rather than from statements, so the table is the one place that says
// what a form holds.
struct Control {
  enum class Kind { kField, kCaption, kButton, kLine };

  std::string_view name;  // object name of a caption or a line; see ObjectName
  Kind kind;
  std::string_view text;     // caption; for a field without a caption, its accessible name
  std::array<int, 4> twips;  // left, top, width, height; for a line x1, y1, x2, y2
  int tab_index;             // order of the tab stops; captions only fill numbers
  Look look;
  std::string_view buddy;  // for a field: the caption that names it
  std::variant<std::monostate, calc::Field, calc::Step> part{};  // what a field or button is
};

// The control's object name: a field's is "Text<n>" and a button's
// "Command<n>", numbered as its field or step is; the others' stand in the
// table. kForwardPort -> "Text1", Step::kClear -> "Command14".
inline std::string ObjectName(const Control& control) {
  if (const auto* field = std::get_if<calc::Field>(&control.part)) {
    return "Text" + std::to_string(static_cast<int>(*field));
  }
  if (const auto* step = std::get_if<calc::Step>(&control.part)) {
    return "Command" + std::to_string(static_cast<int>(*step));
  }
  return std::string(control.name);
}

// Twips (1/1440 inch) to logical pixels at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int PixelsFromTwips(int twips) {
  return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -(kTwipsPerPixel / 2))) / kTwipsPerPixel;
}

}  // namespace ui

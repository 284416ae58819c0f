#pragma once

class QWidget;

namespace ui {

// How a control is coloured and weighted beyond its kind's standard look.
enum class Look {
  kStandard,
  kEmphasised,   // bold; active-caption background, window-colour text
  kCargoResult,  // bold; desktop background, highlighted text
  kTrimTotal,    // bold; highlight background, caption text
  kLegend,       // desktop-coloured text
  kWindowLine,   // a line in the window-background colour
  kWhite,        // white foreground: a rule on the About box
  kBlack,        // black text
};

// Colours a control for its look from the desktop's system colours, so the
// sheet follows the user's colour scheme. Called again on a palette change.
void ApplyLook(QWidget& control, Look look);

}  // namespace ui

#pragma once

class QColor;
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
// sheet follows the user's colour scheme. A text colour that would not read
// on its background in the scheme at hand gives way to the scheme's most
// legible one. Called again on a palette change.
void ApplyLook(QWidget& control, Look look);

// The contrast ratio of two colours as WCAG 2 measures it: 1 (none) to 21
// (black on white).
double Contrast(const QColor& a, const QColor& b);

}  // namespace ui

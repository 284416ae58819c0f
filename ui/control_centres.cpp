// Prints where a person clicks each field and button of the worksheet: one
// "name x y" line per control, the centre of its box in pixels from the top
// left of the window's client area. The desktop scripts click there, so a
// change to the form's table moves their clicks with it.
#include <cstdio>

#include "ui/control.h"
#include "ui/worksheet_form.h"

int main() {
  for (const ui::Control& control : ui::WorksheetControls()) {
    if (control.kind != ui::Control::Kind::kField && control.kind != ui::Control::Kind::kButton) {
      continue;
    }
    const auto& [left, top, width, height] = control.twips;
    std::printf("%s %d %d\n", ui::ObjectName(control).c_str(),
                ui::PixelsFromTwips(left) + ui::PixelsFromTwips(width) / 2,
                ui::PixelsFromTwips(top) + ui::PixelsFromTwips(height) / 2);
  }
}

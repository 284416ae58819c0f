#include "ui/look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ui {
namespace {

// The Windows system colours that the looks name. On Windows each is read
// from the system; elsewhere each stands for the palette role beside it,
// chosen so that a sheet in any desktop scheme keeps the same contrasts:
//
//   index  Windows name          palette role     why this role
//   1      COLOR_BACKGROUND      Link             the desktop's own accent: strong
//                                                 as text, and as a background
//                                                 under highlighted text
//   2      COLOR_ACTIVECAPTION   Highlight        current desktops paint active
//                                                 title bars in the accent colour
//   5      COLOR_WINDOW          Base             background of edit boxes
//   9      COLOR_CAPTIONTEXT     HighlightedText  text drawn on the accent colour
//   13     COLOR_HIGHLIGHT       Highlight        selection background
//   14     COLOR_HIGHLIGHTTEXT   HighlightedText  selection text
enum SystemColour : int {
  kDesktop = 1,
  kActiveCaption = 2,
  kWindow = 5,
  kCaptionText = 9,
  kHighlight = 13,
  kHighlightText = 14,
};

#ifndef Q_OS_WIN
QPalette::ColorRole RoleFor(SystemColour colour) {
  switch (colour) {
    case kDesktop: return QPalette::Link;
    case kActiveCaption: return QPalette::Highlight;
    case kWindow: return QPalette::Base;
    case kCaptionText: return QPalette::HighlightedText;
    case kHighlight: return QPalette::Highlight;
    case kHighlightText: return QPalette::HighlightedText;
  }
  return QPalette::NoRole;
}
#endif

QColor ColourOf(SystemColour colour, const QPalette& palette) {
#ifdef Q_OS_WIN
  static_cast<void>(palette);
  const COLORREF rgb = GetSysColor(colour);
  return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
#else
  return palette.color(RoleFor(colour));
#endif
}

struct Colours {
  SystemColour background;
  SystemColour text;
};

void Paint(QWidget& control, const Colours& colours, const QPalette& scheme) {
  QPalette palette = control.palette();
  palette.setColor(QPalette::Base, ColourOf(colours.background, scheme));
  palette.setColor(QPalette::Text, ColourOf(colours.text, scheme));
  control.setPalette(palette);
}

void Colour(QWidget& control, const QColor& foreground) {
  QPalette palette = control.palette();
  palette.setColor(QPalette::WindowText, foreground);
  control.setPalette(palette);
}

void Embolden(QWidget& control) {
  QFont font = control.font();
  font.setWeight(QFont::Bold);
  control.setFont(font);
}

}  // namespace

void ApplyLook(QWidget& control, Look look) {
  // The window's scheme: a palette change reaches the window before the
  // widgets between it and its controls.
  const QWidget* const owner = control.parentWidget() != nullptr ? control.window() : nullptr;
  const QPalette scheme = owner != nullptr ? owner->palette() : QApplication::palette();
  switch (look) {
    case Look::kStandard: return;
    case Look::kEmphasised:
      Paint(control, {kActiveCaption, kWindow}, scheme);
      return Embolden(control);
    case Look::kCargoResult:
      Paint(control, {kDesktop, kHighlightText}, scheme);
      return Embolden(control);
    case Look::kTrimTotal:
      Paint(control, {kHighlight, kCaptionText}, scheme);
      return Embolden(control);
    case Look::kLegend: return Colour(control, ColourOf(kDesktop, scheme));
    case Look::kWindowLine: return Colour(control, ColourOf(kWindow, scheme));
    case Look::kWhite: return Colour(control, Qt::white);
    case Look::kBlack: return Colour(control, Qt::black);
  }
}

}  // namespace ui

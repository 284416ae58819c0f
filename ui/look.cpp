#include "ui/look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

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

constexpr double kLeastContrast = 4.5;  // WCAG AA

// The text colour a look asks for where it reads on its background at
// 4.5:1, as it does in the light schemes the looks were drawn for; in
// others (a dark scheme, say) the scheme's own text colour that reads best
// there.
QColor Readable(const QColor& wanted, const QColor& background, const QPalette& scheme) {
  if (Contrast(wanted, background) >= kLeastContrast) return wanted;
  QColor best = wanted;
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText,
        QPalette::Window, QPalette::Base}) {
    const QColor candidate = scheme.color(role);
    if (Contrast(candidate, background) > Contrast(best, background)) best = candidate;
  }
  return best;
}

// A background on which no colour of the scheme reads gives way to the
// selection's, which every scheme draws with a text to match.
void Paint(QWidget& control, const Colours& colours, const QPalette& scheme) {
  QColor background = ColourOf(colours.background, scheme);
  QColor text = Readable(ColourOf(colours.text, scheme), background, scheme);
  if (Contrast(text, background) < kLeastContrast) {
    background = scheme.color(QPalette::Highlight);
    text = Readable(scheme.color(QPalette::HighlightedText), background, scheme);
  }
  QPalette palette = control.palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Text, text);
  control.setPalette(palette);
}

void Colour(QWidget& control, const QColor& foreground) {
  QPalette palette = control.palette();
  palette.setColor(QPalette::WindowText, foreground);
  control.setPalette(palette);
}

// Text on the window's own background.
void ColourText(QWidget& control, const QColor& foreground, const QPalette& scheme) {
  Colour(control, Readable(foreground, scheme.color(QPalette::Window), scheme));
}

void Embolden(QWidget& control) {
  QFont font = control.font();
  font.setWeight(QFont::Bold);
  control.setFont(font);
}

}  // namespace

// Qt has no measure of legibility: WCAG 2's, from relative luminance.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& colour) {
    const auto linear = [](float c) {
      return c <= 0.04045F ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
  };
  const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
  return (lighter + 0.05) / (darker + 0.05);
}

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
    case Look::kLegend: return ColourText(control, ColourOf(kDesktop, scheme), scheme);
    case Look::kWindowLine: return Colour(control, ColourOf(kWindow, scheme));
    case Look::kWhite: return Colour(control, Qt::white);
    case Look::kBlack: return ColourText(control, Qt::black, scheme);
  }
}

}  // namespace ui

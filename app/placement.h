#pragma once

#include <QLocale>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace app {

// The main window's outer bounds in twips, as kept in the settings store
// between runs under "Draft Survey" / "Settings".
struct Placement {
  float left = 1000;
  float top = 1000;
  float width = 6500;
  float height = 6500;

  // Each value that is missing or not a number keeps its default.
  static Placement Read(QSettings& store, const QLocale& locale = QLocale());
  // Writes "MainLeft", "MainTop", "MainWidth", "MainHeight", in that order.
  // False when the store could not keep them.
  bool Write(QSettings& store, const QLocale& locale = QLocale()) const;

  static Placement FromPixels(const QRect& frame);
  [[nodiscard]] QRect ToPixels() const;

  // The shortest text of a single-precision value in the user's locale:
  // 1000, -60, 1234,5 (German). Reading also accepts the "C" form, so a
  // value written under another locale is not lost.
  static QString TextFromTwips(float twips, const QLocale& locale);
  static std::optional<float> TwipsFromText(const QString& text, const QLocale& locale);
};

// The settings store of this program: the platform's per-user store.
std::unique_ptr<QSettings> OpenSettingsStore();

}  // namespace app

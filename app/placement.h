#pragma once

#include <QList>
#include <QLocale>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace app {

// The main window's outer bounds in twips, as kept in the settings store
// between runs, in its group kSettingsSection (app/product.h).
struct Placement {
  float left = 1000;
  float top = 1000;
  float width = 6500;
  float height = 6500;

  // Reads the store at `location` (see OpenSettingsStore). Each value that
  // is missing or not a number keeps its default; so do all four when the
  // store is absent.
  static Placement Load(const QString& location, const QLocale& locale = QLocale());
  // Writes "MainLeft", "MainTop", "MainWidth", "MainHeight", in that order.
  // False only when the store did not keep them; lines elsewhere in it that
  // cannot be read do not count.
  [[nodiscard]] bool Save(const QString& location, const QLocale& locale = QLocale()) const;

  static Placement FromPixels(const QRect& frame);
  [[nodiscard]] QRect ToPixels() const;

  // The outer bounds to show for stored ones, given the screens' available
  // areas. Bounds that some screen can show come back as they are, however
  // far off-screen part of the window lies. A size beyond the desktop (the
  // union of the screens) is cut to it, and when no part of the title bar
  // would lie on a screen the window goes to the default position.
  //   {67, 67, 433, 433}         -> {67, 67, 433, 433}
  //   {-200, 500, 433, 433}      -> {-200, 500, 433, 433}   (part visible)
  //   {67, 67, 1000000, 1000000} -> {67, 67, 1920, 1040}    (one 1920 x 1040 area)
  //   {60000, -60000, 433, 433}  -> {67, 67, 433, 433}
  static QRect WithinReach(const QRect& frame, const QList<QRect>& screens);

  // The shortest text of a single-precision value in the user's locale:
  // 1000, -60, 1234,5 (German). Reading also accepts the "C" form, so a
  // value written under another locale is not lost.
  static QString TextFromTwips(float twips, const QLocale& locale);
  static std::optional<float> TwipsFromText(const QString& text, const QLocale& locale);
};

// Where this program's settings store lives for the current user, named by
// its title: on Windows the registry key HKEY_CURRENT_USER\Software\<title>,
// elsewhere the file "<title>.conf" in the user's configuration folder.
QString DefaultSettingsLocation();

// The settings store at a location as above, or none when the location
// holds something no settings file can be (a folder, a FIFO, a device):
// such a store counts as absent, since reading it could block for ever.
std::unique_ptr<QSettings> OpenSettingsStore(const QString& location);

}  // namespace app

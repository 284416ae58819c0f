#include "app/placement.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>

#include "app/product.h"
#include "ui/application_title.h"
#include "ui/control.h"

namespace app {
namespace {

struct Row {
  const char* key;
  float Placement::*value;
};

constexpr std::array<Row, 4> kRows{{{"MainLeft", &Placement::left},
                                    {"MainTop", &Placement::top},
                                    {"MainWidth", &Placement::width},
                                    {"MainHeight", &Placement::height}}};

// Far beyond any screen, yet safe from integer overflow in window geometry.
constexpr float kLimitPixels = 1'000'000.0f;

// The strip at the top of a frame that a person grabs to move the window.
constexpr int kTitleBarPixels = 20;

int Pixels(float twips) {
  const float pixels = twips / static_cast<float>(ui::kTwipsPerPixel);
  return static_cast<int>(std::lround(std::clamp(pixels, -kLimitPixels, kLimitPixels)));
}

float Twips(int pixels) {
  return static_cast<float>(pixels * ui::kTwipsPerPixel);
}

}  // namespace

QString DefaultSettingsLocation() {
  const QString title = QString::fromLatin1(ui::kApplicationTitle);
#ifdef Q_OS_WIN
  return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + title;
#else
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + title +
         QStringLiteral(".conf");
#endif
}

std::unique_ptr<QSettings> OpenSettingsStore(const QString& location) {
#ifndef Q_OS_WIN
  if (const QFileInfo file(location); file.exists() && !file.isFile()) return nullptr;
#endif
  return std::make_unique<QSettings>(location, QSettings::NativeFormat);
}

Placement Placement::Load(const QString& location, const QLocale& locale) {
  Placement placement;
  const auto store = OpenSettingsStore(location);
  if (store == nullptr) return placement;
  store->beginGroup(QString::fromLatin1(kSettingsSection));
  for (const Row& row : kRows) {
    const QVariant stored = store->value(QString::fromLatin1(row.key));
    if (!stored.isValid()) continue;
    if (const auto twips = TwipsFromText(stored.toString(), locale)) placement.*row.value = *twips;
  }
  store->endGroup();
  return placement;
}

// A store's status keeps its first error, and a line that cannot be parsed
// is found as late as the write, so one view's status cannot tell a failed
// write from an odd line. Views of one store share what they have parsed:
// the first view parses all of it, and the second, which writes, then
// reports on the write alone.
bool Placement::Save(const QString& location, const QLocale& locale) const {
  const auto reader = OpenSettingsStore(location);
  if (reader == nullptr) return false;
  reader->allKeys();
  const auto writer = OpenSettingsStore(location);
  writer->beginGroup(QString::fromLatin1(kSettingsSection));
  for (const Row& row : kRows) {
    writer->setValue(QString::fromLatin1(row.key), TextFromTwips(this->*row.value, locale));
  }
  writer->endGroup();
  writer->sync();
  return writer->status() == QSettings::NoError;
}

Placement Placement::FromPixels(const QRect& frame) {
  return {Twips(frame.x()), Twips(frame.y()), Twips(frame.width()), Twips(frame.height())};
}

QRect Placement::ToPixels() const {
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

QRect Placement::WithinReach(const QRect& frame, const QList<QRect>& screens) {
  if (screens.isEmpty()) return frame;
  QRect desktop;
  for (const QRect& screen : screens) desktop |= screen;
  QRect reachable = frame;
  reachable.setWidth(std::min(frame.width(), desktop.width()));
  reachable.setHeight(std::min(frame.height(), desktop.height()));
  const QRect title_bar(reachable.topLeft(), QSize(reachable.width(), kTitleBarPixels));
  const bool grabbable = std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
    return screen.intersects(title_bar);
  });
  if (!grabbable) reachable.moveTopLeft(Placement().ToPixels().topLeft());
  return reachable;
}

QString Placement::TextFromTwips(float twips, const QLocale& locale) {
  std::array<char, 64> buffer{};
  const bool whole = std::trunc(twips) == twips;
  const auto result = whole ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), twips,
                                            std::chars_format::fixed, 0)
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), twips,
                                            std::chars_format::general, 7);
  QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
  text.replace(QLatin1Char('.'), locale.decimalPoint());
  text.replace(QLatin1Char('-'), locale.negativeSign());
  return text;
}

std::optional<float> Placement::TwipsFromText(const QString& text, const QLocale& locale) {
  bool ok = false;
  float twips = locale.toFloat(text.trimmed(), &ok);
  if (!ok) twips = QLocale::c().toFloat(text.trimmed(), &ok);
  if (!ok || !std::isfinite(twips)) return std::nullopt;
  return twips;
}

}  // namespace app

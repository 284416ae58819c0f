#include "app/placement.h"

#include <QSettings>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>

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

constexpr const char* kSection = "Settings";

// Far beyond any screen, yet safe from integer overflow in window geometry.
constexpr float kLimitPixels = 1'000'000.0f;

int Pixels(float twips) {
  const float pixels = twips / static_cast<float>(ui::kTwipsPerPixel);
  return static_cast<int>(std::lround(std::clamp(pixels, -kLimitPixels, kLimitPixels)));
}

float Twips(int pixels) {
  return static_cast<float>(pixels * ui::kTwipsPerPixel);
}

}  // namespace

std::unique_ptr<QSettings> OpenSettingsStore() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QString::fromLatin1(ui::kApplicationTitle));
}

Placement Placement::Read(QSettings& store, const QLocale& locale) {
  Placement placement;
  store.beginGroup(QString::fromLatin1(kSection));
  for (const Row& row : kRows) {
    const QVariant stored = store.value(QString::fromLatin1(row.key));
    if (!stored.isValid()) continue;
    if (const auto twips = TwipsFromText(stored.toString(), locale)) placement.*row.value = *twips;
  }
  store.endGroup();
  return placement;
}

bool Placement::Write(QSettings& store, const QLocale& locale) const {
  store.beginGroup(QString::fromLatin1(kSection));
  for (const Row& row : kRows) {
    store.setValue(QString::fromLatin1(row.key), TextFromTwips(this->*row.value, locale));
  }
  store.endGroup();
  store.sync();
  return store.status() == QSettings::NoError;
}

Placement Placement::FromPixels(const QRect& frame) {
  return {Twips(frame.x()), Twips(frame.y()), Twips(frame.width()), Twips(frame.height())};
}

QRect Placement::ToPixels() const {
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
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

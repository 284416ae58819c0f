#pragma once

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QPalette>

namespace testing_support {

// How one piece of application-wide state is read and set.
template <typename T>
struct ApplicationWide;

template <>
struct ApplicationWide<QPalette> {
  static QPalette Get() { return QApplication::palette(); }
  static void Set(const QPalette& palette) { QApplication::setPalette(palette); }
};

template <>
struct ApplicationWide<QFont> {
  static QFont Get() { return QApplication::font(); }
  static void Set(const QFont& font) { QApplication::setFont(font); }
};

template <>
struct ApplicationWide<QLocale> {
  static QLocale Get() { return {}; }  // the default locale
  static void Set(const QLocale& locale) { QLocale::setDefault(locale); }
};

// Sets the application's palette, font or default locale for one test and
// puts the old one back.
template <typename T>
class ScopedSetting {
 public:
  explicit ScopedSetting(const T& value) { ApplicationWide<T>::Set(value); }
  ~ScopedSetting() { ApplicationWide<T>::Set(saved_); }
  ScopedSetting(const ScopedSetting&) = delete;
  ScopedSetting& operator=(const ScopedSetting&) = delete;

 private:
  T saved_ = ApplicationWide<T>::Get();  // read before the constructor sets
};

using ScopedPalette = ScopedSetting<QPalette>;
using ScopedFont = ScopedSetting<QFont>;
using ScopedLocale = ScopedSetting<QLocale>;

}  // namespace testing_support

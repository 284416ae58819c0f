#pragma once

#include <QApplication>
#include <QPalette>

namespace testing_support {

// Sets the application palette for one test and puts the old one back.
class ScopedPalette {
 public:
  explicit ScopedPalette(const QPalette& palette) : saved_(QApplication::palette()) {
    QApplication::setPalette(palette);
  }
  ~ScopedPalette() { QApplication::setPalette(saved_); }
  ScopedPalette(const ScopedPalette&) = delete;
  ScopedPalette& operator=(const ScopedPalette&) = delete;

 private:
  QPalette saved_;
};

}  // namespace testing_support

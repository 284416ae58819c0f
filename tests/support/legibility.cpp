#include "tests/support/legibility.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/look.h"

namespace testing_support {

QPalette GnomeDarkScheme() {
  QPalette scheme(QColor(0xee, 0xee, 0xec), QColor(0x32, 0x32, 0x32));
  scheme.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
  scheme.setColor(QPalette::Text, QColor(0xff, 0xff, 0xff));
  scheme.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
  scheme.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
  scheme.setColor(QPalette::Link, QColor(0x35, 0x84, 0xe4));
  scheme.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
  scheme.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xec));
  return scheme;
}

WorstText WorstTextOf(const QWidget& window) {
  WorstText worst;
  const auto check = [&](const QWidget& control, QPalette::ColorRole text,
                         QPalette::ColorRole background) {
    const QPalette& palette = control.palette();
    const double contrast = ui::Contrast(palette.color(text), palette.color(background));
    if (contrast < worst.contrast) worst = {control.objectName(), contrast};
  };
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    check(*label, QPalette::WindowText, QPalette::Window);
  }
  for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
    check(*field, QPalette::Text, QPalette::Base);
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    check(*button, QPalette::ButtonText, QPalette::Button);
  }
  return worst;
}

}  // namespace testing_support

#pragma once

#include <QPalette>
#include <QString>

class QWidget;

namespace testing_support {

// The colours that Qt's GTK theme takes from GNOME's dark style (Adwaita
// dark).
QPalette GnomeDarkScheme();

// The text of a window that reads worst against its background: the
// control's name and the contrast ratio (WCAG 2).
struct WorstText {
  QString name;
  double contrast = 21;
};
WorstText WorstTextOf(const QWidget& window);

}  // namespace testing_support

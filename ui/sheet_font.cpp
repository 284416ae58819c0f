#include "ui/sheet_font.h"

#include <QFontDatabase>

// Q_INIT_RESOURCE declares a function, so it must stand outside any namespace.
static void LoadBundledFonts() {
  Q_INIT_RESOURCE(fonts);
  QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
  QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
}

namespace ui {

QFont SheetFont::Font() {
  static const QString family = [] {
    if (QFontDatabase::hasFamily(QString::fromLatin1(kPreferredFamily))) {
      return QString::fromLatin1(kPreferredFamily);
    }
    LoadBundledFonts();
    return QString::fromLatin1(kBundledFamily);
  }();
  QFont font(family);
  font.setPointSizeF(kPointSize);
  font.setWeight(QFont::Normal);
  font.setStyleStrategy(QFont::PreferDefault);
  return font;
}

}  // namespace ui

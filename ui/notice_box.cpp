#include "ui/notice_box.h"

#include "ui/application_title.h"

namespace ui {

void ShowNoticeBox(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace ui

#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace ui {

// Shows a modal message box titled with the application title, with one OK
// button that Enter, Escape and the close box all press, and returns once
// it has been dismissed.
void ShowNoticeBox(QWidget* owner, const QString& text,
                   QMessageBox::Icon icon = QMessageBox::NoIcon);

}  // namespace ui

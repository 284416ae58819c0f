#include "ui/worksheet_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/application_title.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/notice_box.h"
#include "ui/sheet_font.h"
#include "ui/worksheet_form.h"

namespace ui {
namespace {

using Command = void (calc::Worksheet::*)();

// Button CommandN runs command N.
constexpr std::array<Command, 14> kCommands{
    &calc::Worksheet::Command1,  &calc::Worksheet::Command2,  &calc::Worksheet::Command3,
    &calc::Worksheet::Command4,  &calc::Worksheet::Command5,  &calc::Worksheet::Command6,
    &calc::Worksheet::Command7,  &calc::Worksheet::Command8,  &calc::Worksheet::Command9,
    &calc::Worksheet::Command10, &calc::Worksheet::Command11, &calc::Worksheet::Command12,
    &calc::Worksheet::Command13, &calc::Worksheet::Command14};

// Screen readers meet the worksheet as a window of its own, not as a
// filler inside one.
QAccessibleInterface* WindowFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(WorksheetWindow::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

constexpr Qt::WindowFlags kFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

std::size_t Index(int n) {
  return static_cast<std::size_t>(n - 1);
}

}  // namespace

WorksheetWindow::WorksheetWindow(QWidget* parent) : QWidget(parent, kFrame) {
  static const bool kFactoryInstalled = (QAccessible::installFactory(&WindowFactory), true);
  static_cast<void>(kFactoryInstalled);
  setObjectName(QStringLiteral("frmDraftSurvey"));
  setWindowTitle(QString::fromLatin1(kApplicationTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  setAutoFillBackground(true);
  setFont(SheetFont::Font());
  resize(PixelsFromTwips(kWorksheetWidthTwips), PixelsFromTwips(kWorksheetHeightTwips));
  controls_ = BuildForm(*this, WorksheetControls());
  ConnectControls();
  fields_[0]->setFocus();
}

void WorksheetWindow::ConnectControls() {
  const auto table = WorksheetControls();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int n = NumberInName(table[i].name);
    if (table[i].kind == Control::Kind::kField) {
      auto* field = static_cast<QLineEdit*>(controls_[i]);
      fields_[Index(n)] = field;
      connect(field, &QLineEdit::textEdited, this,
              [this, n](const QString& text) { sheet_.SetText(n, text.toStdString()); });
    } else if (table[i].kind == Control::Kind::kButton) {
      auto* button = static_cast<QPushButton*>(controls_[i]);
      const Command command = kCommands[Index(n)];
      connect(button, &QPushButton::clicked, this, [this, command] { (sheet_.*command)(); });
      // Heard apart from the field of the same caption, and without the caption's padding.
      button->setAccessibleName(tr("Step: %1").arg(button->text().simplified()));
    }
  }
}

void WorksheetWindow::ShowNotice(const std::string& text) {
  ShowNoticeBox(this, QString::fromStdString(text));
}

void WorksheetWindow::ReportFault(calc::Fault fault) {
  ShowNoticeBox(this, FaultText(fault), QMessageBox::Warning);
}

QString WorksheetWindow::FaultText(calc::Fault fault) {
  switch (fault) {
    case calc::Fault::DivisionByZero: return tr("Division by zero.");
    case calc::Fault::Overflow: return tr("Overflow.");
  }
  return {};
}

// A written number is shown from its first digit, as a long result cut at
// its end is misread less easily than one cut at its start.
void WorksheetWindow::FieldWritten(int n) {
  QLineEdit* field = fields_[Index(n)];
  field->setText(QString::fromStdString(sheet_.Text(n)));
  field->setCursorPosition(0);
}

void WorksheetWindow::changeEvent(QEvent* event) {
  // The controls do not exist yet while the constructor sets the window up.
  if (event->type() == QEvent::PaletteChange && !controls_.empty()) {
    ApplyLooks(controls_, WorksheetControls());
  }
  QWidget::changeEvent(event);
}

}  // namespace ui

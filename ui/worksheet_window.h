#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "calc/worksheet.h"

class QLineEdit;
class QScreen;
class QScrollArea;

namespace ui {

// The worksheet window: each field is the worksheet field of the same
// number and each button runs the step of the same number. It shows the
// steps' notices and fault reports as modal message boxes, and is
// destroyed, figures and all, when it is closed. On a screen too small for
// the whole sheet, the window opens as large as the screen it is on allows
// and the sheet scrolls, following the focus.
class WorksheetWindow : public QWidget, public calc::Host {
  Q_OBJECT

 public:
  explicit WorksheetWindow(QWidget* parent = nullptr);
  ~WorksheetWindow() override;
  WorksheetWindow(const WorksheetWindow&) = delete;
  WorksheetWindow& operator=(const WorksheetWindow&) = delete;

  // calc::Host
  void ShowNotice(const std::string& text) override;
  void ReportFault(calc::Fault fault) override;
  void FieldWritten(int n) override;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateSheet();
  void ConnectControls();
  void TakeText(int n);
  void FitToScreen(const QScreen& screen);
  [[nodiscard]] static QSize SizeInWholeSteps(QSize size, qreal ratio);
  void ScrollToFocus(QWidget* focused);
  // What a fault report says.
  static QString FaultText(calc::Fault fault);

  calc::Worksheet sheet_{*this};
  QScrollArea* scroll_area_ = nullptr;
  QMetaObject::Connection follow_focus_;
  // Fitted to its screen on showing, and again if it opens on another,
  // until the surveyor first types, clicks or scrolls in it.
  enum class Placement { kNew, kOpening, kInUse };
  Placement placement_ = Placement::kNew;
  std::vector<QWidget*> controls_;
  std::array<QLineEdit*, calc::Worksheet::kFieldCount> fields_{};
};

}  // namespace ui

#pragma once

#include <QDateTime>
#include <QStatusBar>
#include <QTimer>
#include <functional>

class QLabel;

namespace app {

// The main window's status bar: a springing "Status" panel, then the date
// and the time in the system's short forms, which it keeps current.
class StatusBar : public QStatusBar {
  Q_OBJECT

 public:
  using Clock = std::function<QDateTime()>;

  // The system clock unless given: a lambda, as Qt 6.5 and later overload
  // QDateTime::currentDateTime and its address is then ambiguous.
  explicit StatusBar(
      QWidget* parent = nullptr, Clock clock = [] { return QDateTime::currentDateTime(); });

  // Shows the clock's date and time now; the timer calls it every second.
  void Refresh();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FitHeight();
  QLabel* AddPanel(const char* name, int stretch);

  Clock clock_;
  QLabel* date_;
  QLabel* time_;
  QTimer ticker_;
};

}  // namespace app

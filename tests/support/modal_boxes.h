#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QDialog;

namespace testing_support {

// How a test closes a modal box it expects.
enum class Dismissal { kOkButton, kEnterKey, kEscapeKey, kCloseBox };

// Adds a "how" column with one row per way of closing a box, for a
// data-driven test that closes a box every way.
void AddDismissalRows();

// What a modal box showed when it came up.
struct SeenBox {
  QString title;
  QString text;  // a notice's text; empty for other dialogs
  QImage icon;   // the picture beside a notice's text; null without one
  QStringList buttons;
  QString default_button;
  QString object_name;
};

// Watches QApplication::activeModalWidget() while a test runs. Boxes the
// test announced with Expect() are recorded, handed to the test's callback
// and dismissed; any other modal box is recorded as unexpected and closed,
// so that a test never hangs on one; so is an expected box that does not
// close when dismissed.
class ModalBoxes : public QObject {
  Q_OBJECT

 public:
  using OnShown = std::function<void(QDialog&)>;

  ModalBoxes();

  // The next `count` modal boxes are expected; each is closed as `how` says.
  void Expect(int count, Dismissal how = Dismissal::kOkButton, OnShown on_shown = {});

  [[nodiscard]] const std::vector<SeenBox>& seen() const { return seen_; }
  [[nodiscard]] const std::vector<SeenBox>& unexpected() const { return unexpected_; }
  [[nodiscard]] int outstanding() const { return static_cast<int>(expected_.size()); }

 private:
  struct Expectation {
    Dismissal how;
    OnShown on_shown;
  };

  void Poll();
  static SeenBox Describe(QDialog& box);
  static void Dismiss(QDialog& box, Dismissal how);

  QTimer timer_;
  [[nodiscard]] bool Handled(const QDialog* box) const;

  std::vector<QPointer<QDialog>> handled_;
  int polls_waiting_ = 0;
  int busy_ = 0;  // callbacks running; their boxes may wait on nested ones
  std::deque<Expectation> expected_;
  std::vector<SeenBox> seen_;
  std::vector<SeenBox> unexpected_;
};

}  // namespace testing_support

#include "tests/support/modal_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "ui/notice_box.h"

namespace testing_support {

void AddDismissalRows() {
  QTest::addColumn<Dismissal>("how");
  QTest::newRow("OK button") << Dismissal::kOkButton;
  QTest::newRow("Enter") << Dismissal::kEnterKey;
  QTest::newRow("Escape") << Dismissal::kEscapeKey;
  QTest::newRow("close box") << Dismissal::kCloseBox;
}

ModalBoxes::ModalBoxes() {
  timer_.setInterval(5);
  connect(&timer_, &QTimer::timeout, this, &ModalBoxes::Poll);
  timer_.start();
}

void ModalBoxes::Expect(int count, Dismissal how, OnShown on_shown) {
  for (int i = 0; i < count; ++i) expected_.push_back({how, on_shown});
}

// The callback and the dismissal run from a timer of their own, so that
// polling goes on while they run and a box they open is handled too.
void ModalBoxes::Poll() {
  auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  if (Handled(box)) {
    constexpr int kPatience = 200;  // about a second
    if (busy_ == 0 && ++polls_waiting_ == kPatience) {
      unexpected_.push_back(Describe(*box));
      unexpected_.back().text.prepend(QStringLiteral("[did not close] "));
      box->reject();
    }
    return;
  }
  handled_.emplace_back(box);
  polls_waiting_ = 0;
  if (expected_.empty()) {
    unexpected_.push_back(Describe(*box));
    box->reject();
    return;
  }
  const Expectation expectation = expected_.front();
  expected_.pop_front();
  seen_.push_back(Describe(*box));
  QTimer::singleShot(0, this, [this, box = QPointer<QDialog>(box), expectation] {
    if (box == nullptr) return;
    ++busy_;
    if (expectation.on_shown) expectation.on_shown(*box);
    --busy_;
    if (box != nullptr) Dismiss(*box, expectation.how);
  });
}

bool ModalBoxes::Handled(const QDialog* box) const {
  return std::any_of(handled_.begin(), handled_.end(),
                     [box](const QPointer<QDialog>& seen) { return seen == box; });
}

SeenBox ModalBoxes::Describe(QDialog& box) {
  SeenBox seen;
  seen.title = box.windowTitle();
  seen.object_name = box.objectName();
  if (qobject_cast<ui::NoticeBox*>(&box) != nullptr) {
    seen.text = box.findChild<QLabel*>(QStringLiteral("text"))->text();
    if (const auto* picture = box.findChild<QLabel*>(QStringLiteral("icon"))) {
      seen.icon = picture->pixmap().toImage();
    }
    for (QAbstractButton* button : box.findChild<QDialogButtonBox*>()->buttons()) {
      seen.buttons << button->text();
    }
    for (auto* button : box.findChildren<QPushButton*>()) {
      if (button->isDefault()) seen.default_button = button->text();
    }
  }
  return seen;
}

void ModalBoxes::Dismiss(QDialog& box, Dismissal how) {
  switch (how) {
    case Dismissal::kOkButton: {
      QPushButton* ok = nullptr;
      if (auto* buttons = box.findChild<QDialogButtonBox*>()) {
        ok = buttons->button(QDialogButtonBox::Ok);
      }
      if (ok == nullptr) ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"));
      if (ok != nullptr) {
        QTest::mouseClick(ok, Qt::LeftButton);
      } else {
        box.reject();
      }
      return;
    }
    case Dismissal::kEnterKey: QTest::keyClick(&box, Qt::Key_Return); return;
    case Dismissal::kEscapeKey: QTest::keyClick(&box, Qt::Key_Escape); return;
    case Dismissal::kCloseBox: box.close(); return;
  }
}

}  // namespace testing_support

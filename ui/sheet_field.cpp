#include "ui/sheet_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <limits>

namespace ui {
namespace {

// A key with Alt but not Ctrl (Windows' AltGr) that would type a character.
bool TypesWithAlt(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
         !event.text().isEmpty() && event.text().front().isPrint();
}

}  // namespace

SheetField::SheetField(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());  // no length limit
}

// Ignored, the key goes on to the window, as an unused access key does.
void SheetField::keyPressEvent(QKeyEvent* event) {
  if (TypesWithAlt(*event)) {
    event->ignore();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void SheetField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Its own context menu takes the focus too: Copy there needs the selection.
  if (event->reason() == Qt::PopupFocusReason) return;
  if (event->reason() == Qt::ActiveWindowFocusReason) {
    const int caret = cursorPosition();
    const int anchor = !hasSelectedText()          ? caret
                       : caret == selectionStart() ? selectionEnd()
                                                   : selectionStart();
    kept_ = Kept{anchor, caret};
  }
  setCursorPosition(0);  // scrolls back to the start
}

void SheetField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (event->reason() == Qt::ActiveWindowFocusReason && kept_) {
    setCursorPosition(kept_->anchor);
    cursorForward(true, kept_->caret - kept_->anchor);
  }
  kept_.reset();
}

// The base class selects a word and starts the triple-click timer; the
// selection is then widened to the run of non-blanks around the pointer.
void SheetField::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QString figure = text();
  const int at = cursorPositionAt(event->position().toPoint());
  qsizetype start = at;
  while (start > 0 && !figure.at(start - 1).isSpace()) --start;
  qsizetype end = at;
  while (end < figure.size() && !figure.at(end).isSpace()) ++end;
  if (start < end) setSelection(static_cast<int>(start), static_cast<int>(end - start));
}

}  // namespace ui

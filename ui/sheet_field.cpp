#include "ui/sheet_field.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "calc/number_text.h"

namespace ui {
namespace {

// A key with Alt but not Ctrl (Windows' AltGr) that would type a character.
bool TypesWithAlt(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
         !event.text().isEmpty() && event.text().front().isPrint();
}

// The keypad's decimal key, whichever character the layout gives it.
bool IsKeypadDecimal(const QKeyEvent& event) {
  return event.modifiers().testFlag(Qt::KeypadModifier) &&
         (event.key() == Qt::Key_Comma || event.key() == Qt::Key_Period);
}

// QLineEdit's own margin either side of its line of text.
constexpr int kHorizontalMargin = 2;

}  // namespace

SheetField::SheetField(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());  // no length limit
  // A text set from elsewhere (a step, an assistive tool) leaves the caret
  // at its end, which would show the end of the figure. Typing announces
  // itself just before the change.
  connect(this, &QLineEdit::textEdited, this, [this] { typed_ = true; });
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!typed_ && !hasFocus()) setCursorPosition(0);
    typed_ = false;
  });
}

// Ignored, the key goes on to the window, as an unused access key does.
void SheetField::keyPressEvent(QKeyEvent* event) {
  if (TypesWithAlt(*event)) {
    event->ignore();
    return;
  }
  if (IsKeypadDecimal(*event)) {
    QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."),
                    event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&point);
    event->setAccepted(point.isAccepted());
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

// QLineEdit draws the field first, as it also works out where the text
// starts for the mouse; a shortened figure is then drawn over its text,
// laid out and placed as QLineEdit lays out and places its own scrolled to
// the start, so that the figure does not move by a pixel. What is being
// edited shows as QLineEdit shows it.
void SheetField::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (hasFocus() || hasSelectedText()) return;
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  const QRect contents = style()
                             ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                             .marginsRemoved(textMargins());
  const QFontMetrics metrics = fontMetrics();
  const int height = std::max(metrics.boundingRect(text()).height(), metrics.height());
  const QRect line(contents.x() + kHorizontalMargin,
                   contents.y() + (contents.height() - height + 1) / 2,
                   contents.width() - 2 * kHorizontalMargin, height);
  QTextLayout layout;
  const std::string figure = text().toStdString();
  const std::string shown = calc::ShownText(figure, [&](std::string_view candidate) {
    LayOut(layout, QString::fromUtf8(candidate.data(), static_cast<qsizetype>(candidate.size())));
    // One pixel more for the caret, as QLineEdit counts.
    return qRound(layout.lineAt(0).naturalTextWidth()) + 1 <= line.width();
  });
  if (shown == figure) return;
  LayOut(layout, QString::fromStdString(shown));
  QPainter painter(this);
  painter.setClipRect(contents);
  // Over the text QLineEdit drew: its line, the pixel before it, where a
  // glyph's smoothed edge may reach, and on to the contents' right edge,
  // where the text was cut. Not the contents' other edges, which some
  // styles shade.
  painter.fillRect(
      QRect(QPoint(line.left() - 1, line.top()), QPoint(contents.right(), line.bottom())),
      palette().base());
  painter.setPen(palette().color(QPalette::Text));
  const int ascent = qRound(layout.lineAt(0).ascent());
  layout.draw(&painter, QPoint(line.left(), line.top() - (ascent - metrics.ascent())));
}

// One line as QLineEdit lays out its text: control characters and line
// breaks as blanks, trailing blanks kept.
void SheetField::LayOut(QTextLayout& layout, QString shown) const {
  for (QChar& c : shown) {
    if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter) {
      c = u' ';
    }
  }
  layout.clearLayout();
  layout.setText(shown);
  layout.setFont(font());
  QTextOption option;
  option.setTextDirection(layoutDirection());
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout.setTextOption(option);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
}
}  // namespace ui

#include "ui/form.h"

#include <QLabel>
#include <QString>
#include <algorithm>
#include <cassert>
#include <utility>

#include "ui/line_widget.h"
#include "ui/look.h"
#include "ui/sheet_field.h"
#include "ui/wrapping_button.h"

namespace ui {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect PixelRect(const std::array<int, 4>& twips) {
  return {PixelsFromTwips(twips[0]), PixelsFromTwips(twips[1]), PixelsFromTwips(twips[2]),
          PixelsFromTwips(twips[3])};
}

QPoint PixelPoint(int x, int y) {
  return {PixelsFromTwips(x), PixelsFromTwips(y)};
}

QWidget* Create(QWidget& parent, const Control& control) {
  switch (control.kind) {
    case Control::Kind::kField: return new SheetField(&parent);
    case Control::Kind::kCaption: {
      auto* caption = new QLabel(ToQString(control.text), &parent);
      caption->setTextFormat(Qt::PlainText);
      caption->setWordWrap(true);
      caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return caption;
    }
    case Control::Kind::kButton: {
      auto* button = new WrappingButton(ToQString(control.text), &parent);
      button->setAutoDefault(false);
      return button;
    }
    case Control::Kind::kLine: {
      const auto& [x1, y1, x2, y2] = control.twips;
      return new LineWidget(PixelPoint(x1, y1), PixelPoint(x2, y2), &parent);
    }
  }
  return nullptr;
}

// Captions and lines are drawn on the form itself: beneath every field and
// button, even where a box reaches into one. Neither takes a click.
void LayBeneath(const std::vector<QWidget*>& widgets, std::span<const Control> table) {
  for (std::size_t i = table.size(); i-- > 0;) {
    const auto kind = table[i].kind;
    if (kind == Control::Kind::kCaption || kind == Control::Kind::kLine) widgets[i]->lower();
  }
}

void SetTabOrder(const std::vector<QWidget*>& widgets, std::span<const Control> table) {
  std::vector<std::pair<int, QWidget*>> stops;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto kind = table[i].kind;
    if (kind == Control::Kind::kField || kind == Control::Kind::kButton) {
      stops.emplace_back(table[i].tab_index, widgets[i]);
    }
  }
  std::sort(stops.begin(), stops.end());
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(stops[i - 1].second, stops[i].second);
  }
}

void NameFields(QWidget& parent, const std::vector<QWidget*>& widgets,
                std::span<const Control> table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Control& control = table[i];
    if (control.kind != Control::Kind::kField) continue;
    QString name = ToQString(control.text);
    if (!control.buddy.empty()) {
      auto* caption = parent.findChild<QLabel*>(ToQString(control.buddy));
      assert(caption != nullptr);
      caption->setBuddy(widgets[i]);
      if (name.isEmpty()) name = caption->text();
    }
    widgets[i]->setAccessibleName(name);
  }
}

}  // namespace

std::vector<QWidget*> BuildForm(QWidget& parent, std::span<const Control> table) {
  std::vector<QWidget*> widgets;
  widgets.reserve(table.size());
  for (const Control& control : table) {
    QWidget* widget = Create(parent, control);
    widget->setObjectName(QString::fromStdString(ObjectName(control)));
    if (control.kind != Control::Kind::kLine) widget->setGeometry(PixelRect(control.twips));
    widgets.push_back(widget);
  }
  LayBeneath(widgets, table);
  SetTabOrder(widgets, table);
  NameFields(parent, widgets, table);
  ApplyLooks(widgets, table);
  return widgets;
}

void ApplyLooks(const std::vector<QWidget*>& widgets, std::span<const Control> table) {
  for (std::size_t i = 0; i < table.size(); ++i) ApplyLook(*widgets[i], table[i].look);
}

}  // namespace ui

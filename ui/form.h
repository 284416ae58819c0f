#pragma once

#include <span>
#include <vector>

#include "ui/control.h"

class QWidget;

namespace ui {

// Creates the controls of a table as children of `parent`: object names,
// captions, geometry, tab order, accessible names and looks.
// Returns the widgets in table order.
std::vector<QWidget*> BuildForm(QWidget& parent, std::span<const Control> table);

// Colours the controls again from the parent's current palette.
void ApplyLooks(const std::vector<QWidget*>& widgets, std::span<const Control> table);

}  // namespace ui

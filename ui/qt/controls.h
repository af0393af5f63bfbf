// SPDX-License-Identifier: MIT
// Qt widgets from a window's layout table.
#pragma once

#include "ui/layout/control_row.h"
#include "ui/layout/geometry.h"

#include <QRect>
#include <QSize>

#include <span>

class QKeyEvent;
class QWidget;

namespace ui::qt {

[[nodiscard]] constexpr QRect ToQRect(Rect rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

[[nodiscard]] constexpr QSize ToQSize(Size size) {
    return {size.width, size.height};
}

// Creates the control of each row inside `window`, or inside the control that contains it, into
// `widgets`, indexed like the rows. A widget already there is the window's own kind of control for
// that row; it is placed and dressed like the others.
void BuildControls(QWidget* window, std::span<const ControlRow> rows, std::span<QWidget*> widgets);

// Enter and Esc press the button the rows give them, from whichever control has the focus.
// Returns false for any other key.
bool PressButtonForKey(const QKeyEvent* event, std::span<const ControlRow> rows,
                       std::span<QWidget* const> widgets);

} // namespace ui::qt

// SPDX-License-Identifier: MIT
// One row of a window's layout table, as a form designer would list it.
#pragma once

#include "design_font.h"
#include "design_label.h"
#include "platform/utf8_text.h"

#include <QRgb>
#include <QWidget>

#include <optional>
#include <string_view>

class QWidget;

namespace ui {

enum class ControlKind { OptionButton, TextBox, PushButton, Label, Frame, PictureBox };

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    int left, top, width, height; // twips, relative to the container
    FontRequest font;
    std::optional<QRgb> textColour{};
    std::optional<QRgb> backgroundColour{};
    Sizing sizing = Sizing::Fixed;
    std::string_view toolTip{};
    std::string_view container{}; // object name of the enclosing control; empty for the window
};

// Creates the control described by `row` inside `window` (or inside the control named by its
// container), or dresses `premade` when the window needs its own kind of widget.
QWidget* BuildControl(QWidget* window, const ControlRow& row, QWidget* premade = nullptr);

using platform::FromUtf8;

// A control that the window's table created, by its name.
template <typename T> [[nodiscard]] T* FindControl(const QWidget* window, const char* name) {
    auto* control = window->findChild<T*>(QLatin1String(name));
    Q_ASSERT(control);
    return control;
}

} // namespace ui

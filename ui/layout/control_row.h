// SPDX-License-Identifier: MIT
// One row of a window's layout table, as a form designer lists it. Each front end builds its own
// controls from the same rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

// A colour by its red, green and blue parts, written 0xRRGGBB in the tables.
struct Colour {
    std::uint8_t red, green, blue;

    friend constexpr bool operator==(Colour, Colour) = default;
};

[[nodiscard]] constexpr Colour Rgb(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

// A font as the tables ask for it; every one is in the GB2312 character set.
struct FontRequest {
    std::string_view family; // empty: the window's font
    double points;
    bool bold;
};

// The font of most of the controls.
inline constexpr FontRequest Song105{"宋体", 10.5, false};

enum class ControlKind { OptionButton, TextBox, PushButton, Label, Frame, PictureBox };

// How a label treats its caption: kept in the given box, wrapped within its width, or sized to
// the caption with its top-left corner kept.
enum class Sizing { Fixed, Wrap, AutoSize };

// Which keys press a push button besides its own: Enter the default button, Esc the cancel one.
enum class ButtonRole { None, Default, Cancel, DefaultAndCancel };

// A box in twips, relative to the control's container.
struct TwipsBox {
    int left, top, width, height;
};

inline constexpr std::size_t NoContainer = SIZE_MAX;

// The rows of a table are indexed by the window's own enumeration of its controls, so that code
// names a control by an identifier, never by a string.
struct ControlRow {
    std::size_t id;
    std::string_view name; // the control's name on every platform
    ControlKind kind;
    std::string_view caption;
    TwipsBox box;
    FontRequest font;
    std::optional<Colour> textColour{};
    std::optional<Colour> backgroundColour{};
    Sizing sizing = Sizing::Fixed;
    std::string_view toolTip{};
    std::size_t container = NoContainer; // the enclosing control; none for the window
    ButtonRole role = ButtonRole::None;
};

// True when each row stands at the index of its id, and every container comes before what it holds.
[[nodiscard]] constexpr bool InTableOrder(std::span<const ControlRow> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].id != i || (rows[i].container != NoContainer && rows[i].container >= i))
            return false;
    }
    return true;
}

enum class DialogKey { Enter, Escape };

// The push button a key presses, as a dialog manager does: Enter the push button that has the
// focus, else the default button; Esc the cancel button. None where the window has no such button.
[[nodiscard]] std::optional<std::size_t>
ButtonForKey(std::span<const ControlRow> rows, DialogKey key, std::optional<std::size_t> focused);

} // namespace ui

// SPDX-License-Identifier: MIT
// What the main window's entry box admits, however the text comes.
#pragma once

#include <string_view>

namespace ui::form1 {

// The key filter: backspace and the ASCII digits pass. Every other character, the control codes
// that Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z type among them, is refused.
[[nodiscard]] constexpr bool AdmitsCharacter(char32_t character) {
    return character == U'\b' || (character >= U'0' && character <= U'9');
}

// A paste or a drop is judged whole, before the length limit cuts it to the room left: only
// ASCII digits are taken, and nothing of a text that holds anything else.
[[nodiscard]] constexpr bool AdmitsInsertion(std::string_view utf8) {
    for (const char c : utf8) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace ui::form1

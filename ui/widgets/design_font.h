// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include <string_view>

namespace ui {

struct FontRequest {
    std::string_view family; // as the layout table names it; empty means the platform's font
    double points;
    bool bold;
};

// The font of most of the controls.
inline constexpr FontRequest Song105{"宋体", 10.5, false};

// The requested family first, so a system that has it uses it, then the closest face that
// Debian ships (AR PL SungtiL GB or WenQuanYi Micro Hei) for systems that do not.
[[nodiscard]] QFont DesignFont(const FontRequest& request);

} // namespace ui

// SPDX-License-Identifier: MIT
// How the about-program dialog fills itself in. Its buttons close it (确定) or run StartSysInfo
// (系统信息).
#pragma once

#include "core/program_info.h"
#include "fabout_layout.h"

#include <string>
#include <string_view>

namespace ui::fabout {

class View {
public:
    virtual ~View() = default;

    virtual void setCaption(std::string_view caption) = 0;
    virtual void setText(Control control, std::string_view text) = 0;
};

// The load steps, run each time the dialog opens: its caption, version and title.
void Load(View& view);

// "版本 " and the version's three numbers, as plain decimals.
[[nodiscard]] std::string VersionText(core::Version version);

// The dialog's height in pixels: its design height, unless a substitute face pushed the lowest
// text below it; the dialog then grows to show it.
[[nodiscard]] constexpr int FittedHeight(int designHeight, int textBottom) {
    return textBottom + BottomMargin > designHeight ? textBottom + BottomMargin : designHeight;
}

} // namespace ui::fabout

// SPDX-License-Identifier: MIT
// The about-author dialog's texts and layout table.
#pragma once

#include "ui/layout/author_details.h"
#include "ui/layout/control_row.h"

#include <array>
#include <string_view>

namespace ui::form2 {

inline constexpr std::string_view Caption = "关于作者";
inline constexpr int ClientWidth = 4680;
inline constexpr int ClientHeight = 3090;
inline constexpr std::string_view QqPrefix = "QQ:";
inline constexpr std::string_view EmailPrefix = "E-mail:";
inline constexpr std::string_view PageFailed = "无法打开网页：";

// In tab order. Neither button is a default or a cancel button: Enter presses whichever has the
// focus, and Esc does nothing.
enum Control : std::size_t { Label1, Label2, Label3, Command2, Command1, ControlCount };

// clang-format off
inline constexpr std::array<ControlRow, ControlCount> Controls{{
    {.id = Label1, .name = "Label1", .kind = ControlKind::Label,
     .caption = "本人喜欢电脑，热爱电脑技术研究，希望结交喜欢电脑的朋友，能够共同学习，相互补充，相互学习。",
     .box = {360, 360, 3900, 660}, .font = Song105, .sizing = Sizing::Wrap},
    {.id = Label2, .name = "Label2", .kind = ControlKind::Label, .caption = "",
     .box = {240, 1440, 1440, 210}, .font = {"宋体", 10.5, true}, .textColour = Rgb(0x0000FF),
     .sizing = Sizing::AutoSize},
    {.id = Label3, .name = "Label3", .kind = ControlKind::Label, .caption = "",
     .box = {240, 1920, 3720, 210}, .font = {"黑体", 10.5, true}, .textColour = Rgb(0x008000),
     .sizing = Sizing::AutoSize},
    {.id = Command2, .name = "Command2", .kind = ControlKind::PushButton, .caption = "百度博客",
     .box = {2813, 2520, 1095, 375}, .font = Song105},
    {.id = Command1, .name = "Command1", .kind = ControlKind::PushButton, .caption = "主 页",
     .box = {773, 2520, 975, 375}, .font = Song105},
}};
// clang-format on
static_assert(InTableOrder(Controls));

// The web page each button opens.
struct PageRow {
    Control button;
    std::string_view address;
};

inline constexpr std::array<PageRow, 2> Pages{{
    {Command1, author::HomePage},
    {Command2, author::BlogPage},
}};

} // namespace ui::form2

// SPDX-License-Identifier: MIT
// The about-program dialog's texts, layout table and separator lines.
#pragma once

#include "ui/layout/control_row.h"

#include <array>
#include <string_view>

namespace ui::fabout {

inline constexpr int ClientWidth = 4605;
inline constexpr int ClientHeight = 3555;
inline constexpr std::string_view CaptionPrefix = "关于 ";
inline constexpr std::string_view VersionPrefix = "版本 ";
inline constexpr std::string_view IconName = "程序图标";
inline constexpr int BottomMargin = 4; // pixels below the lowest text, should the dialog grow

// In tab order.
// clang-format off
enum Control : std::size_t {
    cmdOK, picIcon, cmdSysInfo, lblDescription, lblDisclaimer, lblTitle, lblVersion,
    ControlCount
};
// clang-format on

inline constexpr FontRequest Song12{"宋体", 12, false};
inline constexpr Colour Black = Rgb(0x000000);

// clang-format off
inline constexpr std::array<ControlRow, ControlCount> Controls{{
    {.id = cmdOK, .name = "cmdOK", .kind = ControlKind::PushButton, .caption = "确定",
     .box = {3360, 2625, 1020, 345}, .font = Song105, .role = ButtonRole::DefaultAndCancel},
    {.id = picIcon, .name = "picIcon", .kind = ControlKind::PictureBox, .caption = "",
     .box = {240, 240, 540, 540}, .font = {}},
    {.id = cmdSysInfo, .name = "cmdSysInfo", .kind = ControlKind::PushButton, .caption = "系统信息",
     .box = {3360, 3075, 1020, 345}, .font = Song105},
    {.id = lblDescription, .name = "lblDescription", .kind = ControlKind::Label,
     .caption = "能够根据你的出生年份(阳历)和你现在的年龄(周岁)来计算你属相的一个小软件，仅供大家娱乐。",
     .box = {240, 1320, 3885, 810}, .font = Song12, .textColour = Black, .sizing = Sizing::Wrap},
    {.id = lblDisclaimer, .name = "lblDisclaimer", .kind = ControlKind::Label,
     .caption = "您可以自由使用、复制和传播本软件，但不得用于商业用途。",
     .box = {240, 2640, 2655, 810}, .font = Song105, .textColour = Black, .sizing = Sizing::Wrap},
    {.id = lblTitle, .name = "lblTitle", .kind = ControlKind::Label, .caption = "",
     .box = {1080, 360, 1965, 480}, .font = Song12, .textColour = Black, .sizing = Sizing::Wrap},
    {.id = lblVersion, .name = "lblVersion", .kind = ControlKind::Label, .caption = "",
     .box = {1200, 840, 480, 240}, .font = Song12, .sizing = Sizing::AutoSize},
}};
// clang-format on
static_assert(InTableOrder(Controls));

// The etched separator above the buttons, the control array Line1: a grey line with a white one
// under it. Both run past the right edge and are clipped there.
struct LineRow {
    int x1, y1, x2; // twips; the lines are horizontal
    int widthPixels;
    Colour colour;
};

inline constexpr std::array<LineRow, 2> Line1{{
    {105, 2460, 5654, 2, Rgb(0xFFFFFF)}, // index 0
    {90, 2445, 5654, 1, Rgb(0x808080)},  // index 1, drawn over index 0
}};

} // namespace ui::fabout

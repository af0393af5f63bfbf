// SPDX-License-Identifier: MIT
// The main window's texts and layout table.
#pragma once

#include "ui/widgets/control_row.h"

#include <array>
#include <string_view>

namespace ui::form1 {

inline constexpr std::string_view CaptionPrefix = "Moltrava1.2    QQ:";
inline constexpr int ClientWidth = 5850;
inline constexpr int ClientHeight = 4680;

inline constexpr std::string_view AgePrompt = "请输入您的年龄";
inline constexpr std::string_view BirthYearPrompt = "请输入出生年份";
inline constexpr int AgeMaxLength = 3;
inline constexpr int BirthYearMaxLength = 4;

inline constexpr std::string_view CloseQuestion = "真的要退出吗？";
inline constexpr std::string_view CloseTitle = "退出";

inline constexpr std::string_view MenuCaption = "关于...";
inline constexpr std::string_view AboutProgramItem = "关于本软件";
inline constexpr std::string_view AboutAuthorItem = "关于作者";
inline constexpr std::string_view PlanItem = "本软件计划";
inline constexpr std::string_view PlanNotice =
    "本软件计划增加反查功能，如知道某人的属相，但不知道某人的年龄或出生年份，"
    "就可以通过本软件的反查功能来实现。";

inline constexpr std::string_view NoPictureName = "无图片";

inline constexpr FontRequest NewSong18Bold{"新宋体", 18, true};

// In tab order; the frame comes before the controls it holds.
// clang-format off
inline constexpr std::array<ControlRow, 12> Controls{{
    {.name = "frame1", .kind = ControlKind::Frame, .caption = "查询条件",
     .left = 998, .top = 360, .width = 3855, .height = 975, .font = Song105},
    {.name = "Option1", .kind = ControlKind::OptionButton, .caption = "年龄",
     .left = 240, .top = 280, .width = 735, .height = 495, .font = Song105,
     .toolTip = "根据年龄查询", .container = "frame1"},
    {.name = "Option2", .kind = ControlKind::OptionButton, .caption = "出生年",
     .left = 1920, .top = 280, .width = 940, .height = 495, .font = Song105,
     .toolTip = "根据出生年份查询", .container = "frame1"},
    {.name = "Text1", .kind = ControlKind::TextBox, .caption = "0000",
     .left = 3931, .top = 1860, .width = 780, .height = 435, .font = {"宋体", 15.75, true},
     .textColour = 0xFF8000},
    {.name = "Command1", .kind = ControlKind::PushButton, .caption = "确定",
     .left = 1118, .top = 3840, .width = 975, .height = 495, .font = NewSong18Bold},
    {.name = "Command2", .kind = ControlKind::PushButton, .caption = "退出",
     .left = 3758, .top = 3840, .width = 975, .height = 495, .font = NewSong18Bold},
    {.name = "Label1", .kind = ControlKind::Label, .caption = "您的属相是：",
     .left = 1170, .top = 2880, .width = 2070, .height = 315, .font = {"幼圆", 15.75, true},
     .textColour = 0xFF00FF, .sizing = Sizing::AutoSize},
    {.name = "Label2", .kind = ControlKind::Label, .caption = "",
     .left = 3255, .top = 2840, .width = 240, .height = 435, .font = {"黑体", 21.75, true},
     .textColour = 0x0000FF, .backgroundColour = 0xFF8080, .sizing = Sizing::AutoSize},
    {.name = "Label3", .kind = ControlKind::Label, .caption = "",
     .left = 1140, .top = 1860, .width = 120, .height = 375, .font = {"方正水柱简体", 15.75, true},
     .textColour = 0x8080FF, .sizing = Sizing::AutoSize},
    {.name = "Label4", .kind = ControlKind::Label, .caption = "(周岁)",
     .left = 960, .top = 440, .width = 600, .height = 180, .font = {"宋体", 9, true},
     .textColour = 0x00C000, .sizing = Sizing::AutoSize, .toolTip = "根据年龄查询",
     .container = "frame1"},
    {.name = "Label5", .kind = ControlKind::Label, .caption = "(阳历)",
     .left = 2840, .top = 440, .width = 600, .height = 180, .font = {"宋体", 9, true},
     .textColour = 0xFF8000, .sizing = Sizing::AutoSize, .toolTip = "根据出生年份查询",
     .container = "frame1"},
    {.name = "Picture1", .kind = ControlKind::PictureBox, .caption = "",
     .left = 3840, .top = 2700, .width = 555, .height = 555, .font = {}},
}};
// clang-format on

} // namespace ui::form1

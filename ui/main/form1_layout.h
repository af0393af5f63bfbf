// SPDX-License-Identifier: MIT
// The main window's texts, layout table and popup menu.
#pragma once

#include "core/program_info.h"
#include "core/query.h"
#include "ui/layout/control_row.h"

#include <array>
#include <string_view>

namespace ui::form1 {

inline constexpr std::string_view CaptionPrefix = MOLTRAVA_NAME MOLTRAVA_RELEASE "    QQ:";
inline constexpr int ClientWidth = 5850;
inline constexpr int ClientHeight = 4680;
inline constexpr FontRequest WindowFont{"幼圆", 15, false}; // every control sets its own

inline constexpr std::string_view CloseQuestion = "真的要退出吗？";
inline constexpr std::string_view CloseTitle = "退出";
inline constexpr std::string_view NoPictureName = "无图片";

// In tab order; the frame comes before the controls it holds.
// clang-format off
enum Control : std::size_t {
    frame1, Option1, Option2, Text1, Command1, Command2, Label1, Label2, Label3, Label4, Label5,
    Picture1, ControlCount
};
// clang-format on

inline constexpr FontRequest NewSong18Bold{"新宋体", 18, true};

// clang-format off
inline constexpr std::array<ControlRow, ControlCount> Controls{{
    {.id = frame1, .name = "frame1", .kind = ControlKind::Frame, .caption = "查询条件",
     .box = {998, 360, 3855, 975}, .font = Song105},
    {.id = Option1, .name = "Option1", .kind = ControlKind::OptionButton, .caption = "年龄",
     .box = {240, 280, 735, 495}, .font = Song105, .toolTip = "根据年龄查询", .container = frame1},
    {.id = Option2, .name = "Option2", .kind = ControlKind::OptionButton, .caption = "出生年",
     .box = {1920, 280, 940, 495}, .font = Song105, .toolTip = "根据出生年份查询",
     .container = frame1},
    {.id = Text1, .name = "Text1", .kind = ControlKind::TextBox, .caption = "0000",
     .box = {3931, 1860, 780, 435}, .font = {"宋体", 15.75, true}, .textColour = Rgb(0xFF8000)},
    {.id = Command1, .name = "Command1", .kind = ControlKind::PushButton, .caption = "确定",
     .box = {1118, 3840, 975, 495}, .font = NewSong18Bold, .role = ButtonRole::Default},
    {.id = Command2, .name = "Command2", .kind = ControlKind::PushButton, .caption = "退出",
     .box = {3758, 3840, 975, 495}, .font = NewSong18Bold, .role = ButtonRole::Cancel},
    {.id = Label1, .name = "Label1", .kind = ControlKind::Label, .caption = "您的属相是：",
     .box = {1170, 2880, 2070, 315}, .font = {"幼圆", 15.75, true}, .textColour = Rgb(0xFF00FF),
     .sizing = Sizing::AutoSize},
    {.id = Label2, .name = "Label2", .kind = ControlKind::Label, .caption = "",
     .box = {3255, 2840, 240, 435}, .font = {"黑体", 21.75, true}, .textColour = Rgb(0x0000FF),
     .backgroundColour = Rgb(0xFF8080), .sizing = Sizing::AutoSize},
    {.id = Label3, .name = "Label3", .kind = ControlKind::Label, .caption = "",
     .box = {1140, 1860, 120, 375}, .font = {"方正水柱简体", 15.75, true},
     .textColour = Rgb(0x8080FF), .sizing = Sizing::AutoSize},
    {.id = Label4, .name = "Label4", .kind = ControlKind::Label, .caption = "(周岁)",
     .box = {960, 440, 600, 180}, .font = {"宋体", 9, true}, .textColour = Rgb(0x00C000),
     .sizing = Sizing::AutoSize, .toolTip = "根据年龄查询", .container = frame1},
    {.id = Label5, .name = "Label5", .kind = ControlKind::Label, .caption = "(阳历)",
     .box = {2840, 440, 600, 180}, .font = {"宋体", 9, true}, .textColour = Rgb(0xFF8000),
     .sizing = Sizing::AutoSize, .toolTip = "根据出生年份查询", .container = frame1},
    {.id = Picture1, .name = "Picture1", .kind = ControlKind::PictureBox, .caption = "",
     .box = {3840, 2700, 555, 555}, .font = {}},
}};
// clang-format on
static_assert(InTableOrder(Controls));

// The option that chooses each kind of entry, the prompt it writes and the entry's length.
struct ModeRow {
    core::QueryMode mode;
    Control option;
    std::string_view prompt;
    int maxLength;
};

inline constexpr std::array<ModeRow, 2> Modes{{
    {core::QueryMode::Age, Option1, "请输入您的年龄", 3},
    {core::QueryMode::BirthYear, Option2, "请输入出生年份", 4},
}};

// Each kind of entry has its one row.
static_assert(Modes[0].mode != Modes[1].mode);
[[nodiscard]] constexpr const ModeRow& ModeRowOf(core::QueryMode mode) {
    return mode == Modes[0].mode ? Modes[0] : Modes[1];
}

// The popup menu, which has no menu bar: it only ever pops up.
enum class MenuAction { AboutProgram, AboutAuthor, PlanNotice };

struct MenuRow {
    std::string_view name;
    std::string_view caption;
    MenuAction action;
};

inline constexpr std::string_view MenuName = "gyabout";
inline constexpr std::string_view MenuCaption = "关于...";
inline constexpr std::array<MenuRow, 3> Menu{{
    {"aboutsoft", "关于本软件", MenuAction::AboutProgram},
    {"aboutwriter", "关于作者", MenuAction::AboutAuthor},
    {"aboutjh", "本软件计划", MenuAction::PlanNotice},
}};

inline constexpr std::string_view PlanNotice =
    "本软件计划增加反查功能，如知道某人的属相，但不知道某人的年龄或出生年份，"
    "就可以通过本软件的反查功能来实现。";

} // namespace ui::form1

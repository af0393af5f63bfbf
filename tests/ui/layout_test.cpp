// SPDX-License-Identifier: MIT
// What every window's table means on any platform: pixels at any density, the keys of the
// default and cancel buttons, labels that fit their captions, placement and faces.
#include "ui/dialogs/fabout_layout.h"
#include "ui/dialogs/form2_layout.h"
#include "ui/layout/faces.h"
#include "ui/layout/geometry.h"
#include "ui/main/form1_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using ui::DialogKey;

TEST(Layout, TwipsArePixelsAtTheDisplaysDensityRounded) {
    EXPECT_EQ(ui::PixelSize(ui::form1::ClientWidth, ui::form1::ClientHeight), (ui::Size{390, 312}));
    EXPECT_EQ(ui::PixelSize(ui::form1::ClientWidth, ui::form1::ClientHeight, 192), (ui::Size{780, 624}));
    EXPECT_EQ(ui::PixelBox(ui::form1::Controls[ui::form1::Text1].box, 144), (ui::Rect{393, 186, 78, 44}));
    EXPECT_EQ(ui::Pixels(7), 0); // nearer no pixel than one
    EXPECT_EQ(ui::Pixels(8), 1);
    EXPECT_EQ(ui::Pixels(1118, 120), 93); // 93.17
}

TEST(Layout, EnterAndEscPressTheButtonsTheTablesGiveThem) {
    using namespace ui;
    // clang-format off
    const struct { std::span<const ControlRow> rows; DialogKey key; std::optional<std::size_t> focus, pressed; } rows[] = {
        {form1::Controls, DialogKey::Enter, form1::Text1, form1::Command1}, {form1::Controls, DialogKey::Enter, std::nullopt, form1::Command1},
        {form1::Controls, DialogKey::Enter, form1::Command2, form1::Command2}, {form1::Controls, DialogKey::Escape, form1::Command1, form1::Command2},
        {fabout::Controls, DialogKey::Enter, fabout::picIcon, fabout::cmdOK}, {fabout::Controls, DialogKey::Enter, fabout::cmdSysInfo, fabout::cmdSysInfo},
        {fabout::Controls, DialogKey::Escape, fabout::cmdSysInfo, fabout::cmdOK}, {form2::Controls, DialogKey::Enter, form2::Command1, form2::Command1},
        {form2::Controls, DialogKey::Enter, form2::Label1, std::nullopt}, {form2::Controls, DialogKey::Escape, form2::Command2, std::nullopt}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(ButtonForKey(row.rows, row.key, row.focus), row.pressed) << row.rows[0].name << int(row.key);
}

TEST(Layout, LabelsFitTheirCaptionsAndWindowsAreCentred) {
    using ui::Sizing;
    const ui::Size design{138, 21}, oneLine{100, 14}, threeLines{138, 45};
    EXPECT_EQ(ui::FittedLabel(Sizing::Fixed, design, threeLines, false), design);
    EXPECT_EQ(ui::FittedLabel(Sizing::Wrap, design, threeLines, false), threeLines); // grows down, never cuts
    EXPECT_EQ(ui::FittedLabel(Sizing::Wrap, design, oneLine, false), design);
    EXPECT_EQ(ui::FittedLabel(Sizing::AutoSize, design, oneLine, false), oneLine);
    EXPECT_EQ(ui::FittedLabel(Sizing::AutoSize, design, oneLine, true), (ui::Size{0, 14}));
    EXPECT_EQ(ui::CentredIn({307, 237}, {445, 356, 390, 312}), (ui::Rect{486, 393, 307, 237}));
    EXPECT_EQ(ui::CentredIn({390, 312}, {0, 0, 1024, 738}), (ui::Rect{317, 213, 390, 312}));
}

// The Windows face where the system has it, else its stand-in for this system, else the family
// for the system's own mapping.
TEST(Faces, TheFirstInstalledFaceStandsForEachFamily) {
    const std::set<std::string_view> debian{"AR PL SungtiL GB", "WenQuanYi Micro Hei"};
    const std::set<std::string_view> windows{"宋体", "SimHei", "Microsoft YaHei"};
    const auto on = [](const std::set<std::string_view>& faces) {
        return [&faces](std::string_view face) { return faces.count(face) > 0; };
    };
    using ui::FaceSystem;
    EXPECT_EQ(ui::ChooseFace("新宋体", FaceSystem::Debian, on(debian)), "AR PL SungtiL GB");
    EXPECT_EQ(ui::ChooseFace("方正水柱简体", FaceSystem::Debian, on(debian)), "WenQuanYi Micro Hei");
    EXPECT_EQ(ui::ChooseFace("宋体", FaceSystem::Windows, on(windows)), "宋体");
    EXPECT_EQ(ui::ChooseFace("黑体", FaceSystem::Windows, on(windows)), "SimHei");
    EXPECT_EQ(ui::ChooseFace("幼圆", FaceSystem::Windows, on(windows)), "Microsoft YaHei");
    EXPECT_EQ(ui::ChooseFace("幼圆", FaceSystem::Windows, on(debian)), "幼圆");
    EXPECT_EQ(ui::ChooseFace("Arial", FaceSystem::Debian, on(debian)), "Arial");
}

} // namespace

// SPDX-License-Identifier: MIT
// Which face stands in for each of the windows' font families where the system lacks it.
#pragma once

#include <array>
#include <functional>
#include <string_view>

namespace ui {

enum class FaceSystem { Windows, Debian };

// The windows were drawn for faces whose lines are about as tall as their size. On Debian, AR PL
// SungtiL GB keeps SimSun's proportions and half-width digits; WenQuanYi Micro Hei is the sans for
// the rest (Debian has no rounded face for 幼圆, and the display face 方正水柱简体 has heavy, even
// strokes, nearer a bold sans than a brush face). Windows has 宋体, 新宋体 and 黑体 everywhere,
// 幼圆 only with the Chinese supplemental fonts and 方正水柱简体 nowhere: Microsoft YaHei, which
// every Windows since Vista has, stands in for those two.
struct FaceRow {
    std::string_view family;  // as the layout tables name it
    std::string_view english; // the same face's other name
    std::string_view windows; // stand-in on Windows, where the face may be missing
    std::string_view debian;  // stand-in on Debian
};

inline constexpr std::array<FaceRow, 5> Faces{{
    {"宋体", "SimSun", "", "AR PL SungtiL GB"},
    {"新宋体", "NSimSun", "", "AR PL SungtiL GB"},
    {"黑体", "SimHei", "", "WenQuanYi Micro Hei"},
    {"幼圆", "YouYuan", "Microsoft YaHei", "WenQuanYi Micro Hei"},
    {"方正水柱简体", "FZShuiZhu-M08S", "Microsoft YaHei", "WenQuanYi Micro Hei"},
}};

// The first face that `installed` knows among the family, its other name and its stand-in on
// `system`; the family itself where it knows none, for the system's own font mapping to resolve.
// One name per font: each name a toolkit cannot find costs it a search for fallbacks.
[[nodiscard]] std::string_view ChooseFace(std::string_view family, FaceSystem system,
                                          const std::function<bool(std::string_view)>& installed);

} // namespace ui

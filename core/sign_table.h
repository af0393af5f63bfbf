// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace core {

struct SignEntry {
    int remainder;
    std::string_view caption;     // one character, UTF-8
    std::string_view picturePath; // relative to the working directory, backslash-separated
};

// Indexed by the remainder of the Gregorian year divided by 12, so the monkey comes first.
inline constexpr std::array<SignEntry, 12> SignTable{{
    {0, "猴", "生肖图片\\猴1.jpg"},
    {1, "鸡", "生肖图片\\鸡1.jpg"},
    {2, "狗", "生肖图片\\狗1.jpg"},
    {3, "猪", "生肖图片\\猪1.jpg"},
    {4, "鼠", "生肖图片\\鼠1.jpg"},
    {5, "牛", "生肖图片\\牛1.jpg"},
    {6, "虎", "生肖图片\\虎1.jpg"},
    {7, "兔", "生肖图片\\兔1.jpg"},
    {8, "龙", "生肖图片\\龙1.jpg"},
    {9, "蛇", "生肖图片\\蛇1.jpg"},
    {10, "马", "生肖图片\\马1.jpg"},
    {11, "羊", "生肖图片\\羊1.jpg"},
}};

[[nodiscard]] constexpr std::optional<SignEntry> SignForRemainder(long long remainder) {
    if (remainder < 0 || remainder >= static_cast<long long>(SignTable.size()))
        return std::nullopt;
    return SignTable[static_cast<std::size_t>(remainder)];
}

} // namespace core

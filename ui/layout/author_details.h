// SPDX-License-Identifier: MIT
// The author's contact details, in one place. They are placeholders that belong to nobody:
// a QQ number of zeros and the reserved example domains.
#pragma once

#include <string_view>

namespace ui::author {

inline constexpr std::string_view QqNumber = "000000000";
inline constexpr std::string_view Email = "author@example.com";
inline constexpr std::string_view HomePage = "https://www.example.com/";
inline constexpr std::string_view BlogPage = "https://blog.example.org/";

} // namespace ui::author

// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The header of a baseline JPEG that claims 60000 x 60000 pixels, up to its first scan; no
// picture follows. Read whole, it would take 14 GB.
inline constexpr std::string_view HugeJpeg{
    "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
    "\xFF\xC0\x00\x11\x08\xEA\x60\xEA\x60\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01"
    "\xFF\xDA\x00\x0C\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00",
    53};

// SPDX-License-Identifier: MIT
#pragma once

#include "handles.h"
#include "ui/layout/control_row.h"

#include <map>
#include <string>
#include <tuple>

namespace ui::win32 {

// The fonts of one window at one density, made once each and released with the cache.
class FontCache {
public:
    // The requested family where the system has it, else the face that stands in for it on
    // Windows, in the GB2312 character set, at `dpi`.
    [[nodiscard]] HFONT get(const FontRequest& request, int dpi);

private:
    std::map<std::tuple<std::string_view, double, bool, int>, Font> m_fonts;
};

} // namespace ui::win32

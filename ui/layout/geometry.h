// SPDX-License-Identifier: MIT
// Turning the tables' twips into pixels, and placing windows.
#pragma once

#include "control_row.h"

namespace ui {

// A form designer's unit: 1440 to the inch, so 15 to a pixel at 96 dots per inch.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int StandardDpi = 96;

// Rounded to the nearest pixel.
[[nodiscard]] constexpr int Pixels(int twips, int dpi = StandardDpi) {
    const long long scaled = 2LL * twips * dpi;
    return static_cast<int>((scaled >= 0 ? scaled + TwipsPerInch : scaled - TwipsPerInch) /
                            (2LL * TwipsPerInch));
}

struct Size {
    int width, height;

    friend constexpr bool operator==(Size, Size) = default;
};

struct Rect {
    int left, top, width, height;

    friend constexpr bool operator==(Rect, Rect) = default;
};

struct Point {
    int x, y;

    friend constexpr bool operator==(Point, Point) = default;
};

[[nodiscard]] constexpr Rect PixelBox(TwipsBox box, int dpi = StandardDpi) {
    return {Pixels(box.left, dpi), Pixels(box.top, dpi), Pixels(box.width, dpi),
            Pixels(box.height, dpi)};
}

[[nodiscard]] constexpr Size PixelSize(int widthTwips, int heightTwips, int dpi = StandardDpi) {
    return {Pixels(widthTwips, dpi), Pixels(heightTwips, dpi)};
}

// A window of `size` centred on `area`; an odd difference leaves the extra pixel right and below.
[[nodiscard]] constexpr Rect CentredIn(Size size, Rect area) {
    return {area.left + (area.width - size.width) / 2, area.top + (area.height - size.height) / 2,
            size.width, size.height};
}

// The box a label takes for its caption. `design` is the table's box; `text` is the caption's
// extent, wrapped within the design width for a wrapping label, on one line otherwise. A label
// never cuts its last line off: where a substitute face needs more line height than the box was
// drawn for, it grows downwards. An empty self-sizing label is no wider than nothing.
[[nodiscard]] constexpr Size FittedLabel(Sizing sizing, Size design, Size text, bool empty) {
    switch (sizing) {
    case Sizing::Wrap:
        return {design.width, text.height > design.height ? text.height : design.height};
    case Sizing::AutoSize:
        return {empty ? 0 : text.width, text.height};
    case Sizing::Fixed:
        break;
    }
    return design;
}

} // namespace ui

// SPDX-License-Identifier: MIT
// The windows are laid out in twips, as a form designer measures them. This is the one place
// that turns them into Qt's device-independent pixels (15 twips to a pixel at 96 dots per inch);
// Qt scales those to the display's density.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

inline constexpr int TwipsPerPixel = 15;

[[nodiscard]] constexpr int Pixels(int twips) {
    return (2 * twips + TwipsPerPixel) / (2 * TwipsPerPixel); // rounded to nearest
}

[[nodiscard]] constexpr QRect PixelRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

[[nodiscard]] constexpr QSize PixelSize(int width, int height) {
    return {Pixels(width), Pixels(height)};
}

} // namespace ui

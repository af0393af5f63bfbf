// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>

namespace ui {

// A picture prepared for a display of the given density: resampled smoothly once, instead of
// being stretched pixel by pixel when drawn, with its size in device-independent pixels kept.
[[nodiscard]] inline QPixmap SmoothForDisplay(const QPixmap& picture, qreal devicePixelRatio) {
    if (picture.isNull() || qFuzzyCompare(picture.devicePixelRatio(), devicePixelRatio))
        return picture;
    QPixmap resampled = picture.scaled(picture.deviceIndependentSize().toSize() * devicePixelRatio,
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resampled.setDevicePixelRatio(devicePixelRatio);
    return resampled;
}

} // namespace ui

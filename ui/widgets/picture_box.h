// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
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

// Shows a picture in a framed picture box, which takes the picture's size with its frame and
// keeps its top-left corner.
inline void ShowInPictureBox(QLabel* box, const QPixmap& picture) {
    box->setPixmap(SmoothForDisplay(picture, box->devicePixelRatioF()));
    const int frame = 2 * box->frameWidth();
    box->resize(picture.deviceIndependentSize().toSize() + QSize(frame, frame));
}

} // namespace ui

// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPixmap>

namespace ui {

// Shows a picture in a framed picture box, which takes the picture's size with its frame and
// keeps its top-left corner. (On a dense display Qt resamples the picture smoothly itself.)
inline void ShowInPictureBox(QLabel* box, const QPixmap& picture) {
    box->setPixmap(picture);
    const int frame = 2 * box->frameWidth();
    box->resize(picture.deviceIndependentSize().toSize() + QSize(frame, frame));
}

} // namespace ui

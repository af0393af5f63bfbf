// SPDX-License-Identifier: MIT
#pragma once

#include "platform/service_types.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace ui::qt {

// A framed picture box that takes the focus in its turn and shows it by a focus rectangle, as
// Windows draws one in its picture boxes.
class PictureBox : public QLabel {
public:
    explicit PictureBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

[[nodiscard]] inline QPixmap ToQPixmap(const platform::Picture& picture) {
    if (picture.empty())
        return {};
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, picture.width * 4, QImage::Format_ARGB32);
    return QPixmap::fromImage(image); // a copy: the image only borrows the pixels
}

// Shows a picture in a framed picture box, which takes the picture's size with its frame and
// keeps its top-left corner; the null picture gives the box `emptySize` back. (On a dense display
// Qt resamples the picture smoothly itself.)
inline void ShowInPictureBox(QLabel* box, const QPixmap& picture, QSize emptySize = {}) {
    box->setPixmap(picture);
    const int frame = 2 * box->frameWidth();
    box->resize(picture.isNull() ? emptySize
                                 : picture.deviceIndependentSize().toSize() + QSize(frame, frame));
}

} // namespace ui::qt

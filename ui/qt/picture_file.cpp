// SPDX-License-Identifier: MIT
#include "picture_file.h"

#include "utf8_text.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace ui::qt {

platform::LoadedPicture LoadPictureFile(std::string_view path) {
    if (path.empty())
        return {};
    QString native = ToQString(path);
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QFileInfo(native).isFile())
        return {{}, std::string(platform::PictureMissing) + ToUtf8(native)};
    QImageReader reader(native);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (qint64{size.width()} * size.height() > platform::MaximumPicturePixels)
        return {{}, std::string(platform::PictureTooLarge) + ToUtf8(native)};
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        return {{},
                std::string(platform::PictureUnreadable) + ToUtf8(native) + "（" +
                    ToUtf8(reader.errorString()) + "）"};
    }
    platform::Picture picture{image.width(), image.height(), {}};
    picture.pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        picture.pixels.insert(picture.pixels.end(), row, row + image.width());
    }
    return {std::move(picture), {}};
}

} // namespace ui::qt

// SPDX-License-Identifier: MIT
#include "picture_file.h"

#include <QFileInfo>
#include <QImageReader>

namespace platform {

QString NativePicturePath(const QString& storedPath) {
#ifdef Q_OS_WIN
    return storedPath;
#else
    QString path = storedPath;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
}

LoadedPicture LoadPictureFile(const QString& path) {
    if (path.isEmpty())
        return {};
    const QString native = NativePicturePath(path);
    if (!QFileInfo(native).isFile())
        return {{}, QStringLiteral("找不到图片文件：%1").arg(native)};
    QImageReader reader(native);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return {{}, QStringLiteral("无法读取图片文件：%1（%2）").arg(native, reader.errorString())};
    return {QPixmap::fromImage(image), {}};
}

} // namespace platform

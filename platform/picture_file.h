// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

namespace platform {

struct LoadedPicture {
    QPixmap picture; // null for the empty picture and on failure
    QString error;   // empty on success

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// Reads a picture file. The empty path gives the empty picture; a relative path is taken from
// the working directory, and the stored backslash separator works on every platform. A missing,
// unreadable or undecodable file is reported in `error`.
[[nodiscard]] LoadedPicture LoadPictureFile(const QString& path);

// The stored path in the platform's own syntax.
[[nodiscard]] QString NativePicturePath(const QString& storedPath);

} // namespace platform

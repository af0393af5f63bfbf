// SPDX-License-Identifier: MIT
// The two window icons, in every size drawn, so that dense displays get a sharp one.
#pragma once

#include <QIcon>

namespace ui {

[[nodiscard]] inline QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/moltrava-%1.png").arg(size), QSize(size, size));
    return icon;
}

// The about-author dialog has an icon of its own.
[[nodiscard]] inline QIcon AuthorIcon() {
    QIcon icon;
    for (const int size : {32, 64})
        icon.addFile(QStringLiteral(":/icons/author-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace ui

// SPDX-License-Identifier: MIT
// The two window icons, in every size drawn, so that dense displays get a sharp one.
#pragma once

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include <initializer_list>

namespace ui::qt {

// Read as PNG, without guessing: to guess, Qt first loads every image plugin and asks each.
[[nodiscard]] inline QIcon IconFromFiles(const char* name, std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
        QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size),
                            "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

[[nodiscard]] inline QIcon ProgramIcon() {
    return IconFromFiles("moltrava", {16, 32, 48, 64, 128});
}

// The about-author dialog has an icon of its own.
[[nodiscard]] inline QIcon AuthorIcon() {
    return IconFromFiles("author", {32, 64});
}

} // namespace ui::qt

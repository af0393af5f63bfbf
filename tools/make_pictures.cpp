// SPDX-License-Identifier: MIT
// Draws the twelve animal pictures and the two window icons from Debian's Noto Color Emoji font
// (SIL Open Font License 1.1). Run by tools/make-pictures.sh; its output is committed, so the
// program itself never needs this tool.
#include "core/sign_table.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <string_view>

namespace {

// The emoji for each sign, in the order of the sign table: monkey, rooster, dog, pig, rat, ox,
// tiger, rabbit, dragon, snake, horse, goat.
constexpr std::array<const char*, core::SignTable.size()> AnimalEmoji{
    "🐒", "🐓", "🐕", "🐖", "🐀", "🐂", "🐅", "🐇", "🐉", "🐍", "🐎", "🐐",
};
constexpr const char* ProgramIconEmoji = "🐲";
constexpr const char* AuthorIconEmoji = "🧑‍💻";
constexpr const char* EmojiFamily = "Noto Color Emoji";

// The font's bitmaps are 136 pixels wide; drawing at that size and scaling down keeps them sharp.
QImage drawEmoji(const QString& emoji, int size, const QColor& background) {
    constexpr int canvas = 160;
    QImage large(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    large.fill(background);
    QPainter painter(&large);
    QFont font(QString::fromLatin1(EmojiFamily));
    font.setPixelSize(109);
    painter.setFont(font);
    painter.drawText(large.rect(), Qt::AlignCenter, emoji);
    painter.end();
    return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures ASSETS_FOLDER\n");
        return 2;
    }
    if (!QFontDatabase::families().contains(QString::fromLatin1(EmojiFamily))) {
        std::fprintf(stderr, "the font %s is not installed (fonts-noto-color-emoji)\n",
                     EmojiFamily);
        return 1;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const QString pictures = assets.filePath(QStringLiteral("生肖图片"));
    const QString icons = assets.filePath(QStringLiteral("icons"));
    QDir().mkpath(pictures);
    QDir().mkpath(icons);

    bool ok = true;
    for (const core::SignEntry& sign : core::SignTable) {
        // The stored path's file name, after its backslash.
        const std::string_view file = sign.picturePath.substr(sign.picturePath.rfind('\\') + 1);
        ok &= save(drawEmoji(QString::fromUtf8(AnimalEmoji[sign.remainder]), 64, Qt::white),
                   pictures + u'/' + QString::fromUtf8(file.data(), qsizetype(file.size())), "JPEG",
                   92);
    }
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = drawEmoji(QString::fromUtf8(ProgramIconEmoji), size, Qt::transparent);
        ok &= save(icon, icons + QStringLiteral("/moltrava-%1.png").arg(size), "PNG");
    }
    for (const int size : {32, 64}) {
        const QImage icon = drawEmoji(QString::fromUtf8(AuthorIconEmoji), size, Qt::transparent);
        ok &= save(icon, icons + QStringLiteral("/author-%1.png").arg(size), "PNG");
    }
    return ok ? 0 : 1;
}

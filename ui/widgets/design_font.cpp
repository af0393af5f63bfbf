// SPDX-License-Identifier: MIT
#include "design_font.h"

#include "platform/utf8_text.h"

#include <QStringList>

#include <array>
#include <utility>

namespace ui {
namespace {

struct Substitute {
    std::string_view family;
    std::array<const char*, 2> alternatives;
};

constexpr std::array<Substitute, 5> Substitutes{{
    {"宋体", {"SimSun", "Noto Serif CJK SC"}},
    {"新宋体", {"NSimSun", "Noto Serif CJK SC"}},
    {"黑体", {"SimHei", "Noto Sans CJK SC"}},
    {"幼圆", {"YouYuan", "Noto Sans CJK SC"}},
    {"方正水柱简体", {"FZShuiZhu-M08S", "AR PL UKai CN"}},
}};

} // namespace

QFont DesignFont(const FontRequest& request) {
    QFont font;
    if (!request.family.empty()) {
        QStringList families{platform::FromUtf8(request.family)};
        for (const Substitute& substitute : Substitutes) {
            if (substitute.family == request.family) {
                for (const char* alternative : substitute.alternatives)
                    families.append(QString::fromLatin1(alternative));
            }
        }
        font.setFamilies(families);
    }
    font.setPointSizeF(request.points);
    font.setWeight(request.bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace ui

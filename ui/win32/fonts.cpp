// SPDX-License-Identifier: MIT
#include "fonts.h"

#include "platform/text_win.h"
#include "ui/layout/faces.h"

#include <cmath>
#include <set>

namespace ui::win32 {
namespace {

int CALLBACK addFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM families) {
    reinterpret_cast<std::set<std::wstring>*>(families)->insert(font->lfFaceName);
    return 1;
}

// Read once: every family the system has, by every name it gives them.
const std::set<std::wstring>& installedFamilies() {
    static const std::set<std::wstring> families = [] {
        std::set<std::wstring> found;
        LOGFONTW all{};
        all.lfCharSet = DEFAULT_CHARSET;
        const WindowDc screen(nullptr);
        EnumFontFamiliesExW(screen.get(), &all, addFamily, reinterpret_cast<LPARAM>(&found), 0);
        return found;
    }();
    return families;
}

} // namespace

HFONT FontCache::get(const FontRequest& request, int dpi) {
    Font& font = m_fonts[{request.family, request.points, request.bold, dpi}];
    if (font)
        return font.get();
    const std::string_view face =
        ChooseFace(request.family, FaceSystem::Windows, [](std::string_view name) {
            return installedFamilies().count(platform::WideFromUtf8(name)) > 0;
        });
    const std::wstring name = platform::WideFromUtf8(face);
    // A negative height asks for the character height, as a point size means.
    const int height = -static_cast<int>(std::lround(request.points * dpi / 72.0));
    font.reset(CreateFontW(height, 0, 0, 0, request.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           name.substr(0, LF_FACESIZE - 1).c_str()));
    return font.get();
}

} // namespace ui::win32

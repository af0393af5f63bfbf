// SPDX-License-Identifier: MIT
#include "fonts.h"

#include "platform/text_win.h"
#include "ui/layout/faces.h"

#include <cmath>
#include <map>
#include <string>

namespace ui::win32 {
namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

// Whether the system has a family of the name, asked once per name: listing every installed
// family costs far more than the few names the windows ask about.
bool installed(std::string_view family) {
    static std::map<std::string, bool, std::less<>> known;
    const auto seen = known.find(family);
    if (seen != known.end())
        return seen->second;
    const std::wstring name = platform::WideFromUtf8(family);
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    name.copy(font.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const OwnDc dc(CreateCompatibleDC(nullptr));
    EnumFontFamiliesExW(dc.get(), &font, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    known.emplace(family, found);
    return found;
}

} // namespace

HFONT FontCache::get(const FontRequest& request, int dpi) {
    Font& font = m_fonts[{request.family, request.points, request.bold, dpi}];
    if (font)
        return font.get();
    const std::string_view face = ChooseFace(request.family, FaceSystem::Windows, installed);
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

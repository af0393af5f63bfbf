// SPDX-License-Identifier: MIT
#include "text_win.h"

#include <windows.h>

namespace platform {

std::wstring WideFromNarrow(std::string_view text, unsigned codePage) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string NarrowFromWide(std::wstring_view text, unsigned codePage) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

std::wstring WideFromUtf8(std::string_view utf8) {
    return WideFromNarrow(utf8, CP_UTF8);
}

std::string Utf8FromWide(std::wstring_view wide) {
    return NarrowFromWide(wide, CP_UTF8);
}

} // namespace platform

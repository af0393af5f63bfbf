// SPDX-License-Identifier: MIT
#include "file_probe.h"

#include <string>

#include <windows.h>

namespace platform {
namespace {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

} // namespace

// The system matches the wildcards itself; the first ordinary file among the matches counts.
bool FileExists(std::string_view pattern) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(widen(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    constexpr DWORD excluded =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool exists = false;
    do {
        exists = (found.dwFileAttributes & excluded) == 0 && found.cFileName[0] != L'\0';
    } while (!exists && FindNextFileW(search, &found));
    FindClose(search);
    return exists;
}

} // namespace platform

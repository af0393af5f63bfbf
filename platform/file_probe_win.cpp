// SPDX-License-Identifier: MIT
#include "file_probe.h"
#include "text_win.h"

#include <string>

#include <windows.h>

namespace platform {

// The system matches the wildcards itself; the first ordinary file among the matches counts.
bool FileExists(std::string_view pattern) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(WideFromUtf8(pattern).c_str(), &found);
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

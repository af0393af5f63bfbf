// SPDX-License-Identifier: MIT
// Finding a window of the Windows program on the screen and telling whether it has been
// painted, for the start-up benchmark and the screenshot tool.
#pragma once

#include <windows.h>

#include <string_view>

namespace painted {

struct Search {
    std::wstring_view windowClass;
    DWORD processId; // 0: any process
    HWND found = nullptr;
};

inline BOOL CALLBACK checkWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    if ((search->processId == 0 || processId == search->processId) && IsWindowVisible(window) &&
        name == search->windowClass) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The visible top-level window of the class, of the process or of any, if there is one.
inline HWND ShownWindow(std::wstring_view windowClass, DWORD processId = 0) {
    Search search{windowClass, processId};
    EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline BOOL CALLBACK checkUpdate(HWND window, LPARAM unpainted) {
    if (GetUpdateRect(window, nullptr, FALSE))
        *reinterpret_cast<bool*>(unpainted) = true;
    return TRUE;
}

// Whether the window or any control in it still waits for its paint.
inline bool AwaitsPaint(HWND window) {
    bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    EnumChildWindows(window, checkUpdate, reinterpret_cast<LPARAM>(&unpainted));
    return unpainted;
}

} // namespace painted

// SPDX-License-Identifier: MIT
// Waits for a window of the Windows program and tells where it is, for the screenshot tool:
//
//   window_probe CLASS [ID TEXT]   waits until a visible top-level window of the class is
//                                  painted (and its control ID shows TEXT), then prints its frame
//                                  and the corner of its client area in screen pixels:
//                                  "left top width height clientLeft clientTop"
//   window_probe --gone CLASS      waits until no visible window of the class is left
//
// Painted means that neither the window nor any control in it awaits a paint. Each waits at most
// 30 s, then exits with 1.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr ULONGLONG WaitLimitMs = 30'000;

struct Search {
    std::wstring_view windowClass;
    HWND found = nullptr;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    if (IsWindowVisible(window) && name == search->windowClass) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND shownWindow(std::wstring_view windowClass) {
    Search search{windowClass};
    EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK checkUpdate(HWND window, LPARAM unpainted) {
    if (GetUpdateRect(window, nullptr, FALSE))
        *reinterpret_cast<bool*>(unpainted) = true;
    return TRUE;
}

bool awaitsPaint(HWND window) {
    bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    EnumChildWindows(window, checkUpdate, reinterpret_cast<LPARAM>(&unpainted));
    return unpainted;
}

std::wstring textOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct Expected {
    int id;
    std::wstring_view text;
};

// The window, once it is visible, shows what is expected and awaits no paint.
HWND readyWindow(std::wstring_view windowClass, std::optional<Expected> expected) {
    const HWND window = shownWindow(windowClass);
    if (!window || awaitsPaint(window))
        return nullptr;
    if (expected && textOf(GetDlgItem(window, expected->id)) != expected->text)
        return nullptr;
    return window;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    const bool gone = argc == 3 && std::wstring_view(argv[1]) == L"--gone";
    if (!gone && argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: window_probe CLASS [ID TEXT] | --gone CLASS\n");
        return 2;
    }
    const std::wstring_view windowClass = argv[gone ? 2 : 1];
    std::optional<Expected> expected;
    if (argc == 4) // the control is one placed on the window itself, not inside a frame
        expected = Expected{static_cast<int>(std::wcstol(argv[2], nullptr, 10)), argv[3]};
    const ULONGLONG started = GetTickCount64();
    while (GetTickCount64() - started < WaitLimitMs) {
        if (gone) {
            if (!shownWindow(windowClass))
                return 0;
        } else if (const HWND window = readyWindow(windowClass, expected)) {
            RECT frame{};
            GetWindowRect(window, &frame);
            POINT client{0, 0};
            ClientToScreen(window, &client);
            std::printf("%ld %ld %ld %ld %ld %ld\n", frame.left, frame.top,
                        frame.right - frame.left, frame.bottom - frame.top, client.x, client.y);
            return 0;
        }
        Sleep(20);
    }
    std::fprintf(stderr, "window_probe: %ls %s within %llu ms\n", windowClass.data(),
                 gone ? "still shown" : "not shown and painted", WaitLimitMs);
    return 1;
}

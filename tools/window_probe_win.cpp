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
#include "painted_window_win.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr ULONGLONG WaitLimitMs = 30'000;

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
    const HWND window = painted::ShownWindow(windowClass);
    if (!window || painted::AwaitsPaint(window))
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
            if (!painted::ShownWindow(windowClass))
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

// SPDX-License-Identifier: MIT
#include "form1.h"
#include "services.h"

#include <commctrl.h>

// The program takes no options: only how the starter asked its window to show is used.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    ui::win32::Services services;
    const ui::win32::Form1 form1(services);
    services.setMainWindow(form1.window());
    ShowWindow(form1.window(), show);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(form1.window(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

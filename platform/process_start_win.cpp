// SPDX-License-Identifier: MIT
#include "process_start.h"
#include "service_types.h"
#include "text_win.h"

#include <windows.h>

namespace platform {

std::string StartProcess(std::string_view commandLine, int showWindow) {
    // CreateProcessW may write into the line, so it gets a copy of its own.
    std::wstring line = WideFromUtf8(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showWindow);
    PROCESS_INFORMATION process{};
    if (line.find_first_not_of(L" \t") == std::wstring::npos ||
        !CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return std::string(StartFailed) + std::string(commandLine);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

} // namespace platform

// SPDX-License-Identifier: MIT
#include "command_launcher.h"

#include <string>

#include <windows.h>

namespace platform {

// The line goes to CreateProcessW whole, as Windows splits it itself.
QString LaunchCommand(const QString& commandLine, WindowStyle style) {
    std::wstring line = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(style);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return QStringLiteral("无法启动：%1").arg(commandLine);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

} // namespace platform

// SPDX-License-Identifier: MIT
// Stands in for the system-information tool: records how it was started in a file beside
// itself, named after it with ".started" appended, and ends. The record holds the command line
// and the window style asked for, one a line, in UTF-8.
#include "platform/text_win.h"

#include <string>

#include <windows.h>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    std::wstring self(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()))) ==
           self.size())
        self.resize(self.size() * 2);
    self.resize(length);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int style = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
    const std::string record =
        platform::Utf8FromWide(GetCommandLineW()) + "\n" + std::to_string(style) + "\n";

    // Written under another name first, so that a reader never sees half a record.
    const std::wstring partial = self + L".partial";
    const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const bool ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written,
                              nullptr) != FALSE;
    CloseHandle(file);
    return ok && MoveFileExW(partial.c_str(), (self + L".started").c_str(),
                             MOVEFILE_REPLACE_EXISTING) != FALSE
               ? 0
               : 1;
}

// SPDX-License-Identifier: MIT
// Stands in for a program that the tests start: records in "<its path>.started" the arguments
// it was given, as Windows splits them (one a line), and the window style asked for, then ends.
#include "platform/text_win.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <windows.h>

#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    std::string record = std::to_string((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1) + '\n';
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i)
        record += platform::Utf8FromWide(arguments[i]) + '\n';
    // Written under another name first, so that a reader never sees half a record.
    std::ofstream(std::filesystem::path(self + L".partial"), std::ios::binary) << record;
    return MoveFileW((self + L".partial").c_str(), (self + L".started").c_str()) ? 0 : 1;
}

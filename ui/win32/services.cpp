// SPDX-License-Identifier: MIT
#include "services.h"

#include "core/program_info.h"
#include "picture.h"
#include "platform/command_line.h"
#include "platform/process_start.h"
#include "platform/text_win.h"

#include <objbase.h>

namespace ui::win32 {

// The style's value is the one MessageBoxW takes; the box belongs to the window the user acted
// in, so that it is modal to it.
platform::Answer Services::showMessage(std::string_view text, platform::MessageStyle style,
                                       std::string_view title) {
    const HWND active = GetActiveWindow();
    const int pressed =
        MessageBoxW(active ? active : m_mainWindow, platform::WideFromUtf8(text).c_str(),
                    platform::WideFromUtf8(title.empty() ? core::ProgramTitle : title).c_str(),
                    static_cast<UINT>(style));
    switch (pressed) {
    case IDYES:
        return platform::Answer::Yes;
    case IDNO:
        return platform::Answer::No;
    default:
        return platform::Answer::Ok;
    }
}

// Pictures are read through COM; without it, the reading fails and says so.
platform::LoadedPicture Services::loadPicture(std::string_view path) {
    m_com.begin();
    return LoadPictureFile(path);
}

void Services::Com::begin() {
    if (!m_begun)
        m_begun =
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

Services::Com::~Com() {
    if (m_begun)
        CoUninitialize();
}

// Windows splits the line into the program and its arguments itself.
std::string Services::launchCommand(std::string_view commandLine, platform::WindowStyle style) {
    return platform::StartProcess(commandLine, static_cast<int>(style));
}

// "explorer.exe" with the address, started minimized: it opens the page in the user's browser.
std::string Services::openWebPage(std::string_view address) {
    return platform::StartProcess(platform::WebPageCommandLine(address),
                                  static_cast<int>(platform::WindowStyle::MinimizedFocus));
}

// The message loop ends, and with it the program, discarding every window.
void Services::endProgram() {
    PostQuitMessage(0);
}

} // namespace ui::win32

// SPDX-License-Identifier: MIT
#pragma once

#include "platform/system_services.h"

#include <windows.h>

namespace ui::win32 {

// The services of Windows itself.
class Services final : public platform::SystemServices {
public:
    // The window that owns a message box when none of the program's windows is active.
    void setMainWindow(HWND window) { m_mainWindow = window; }

    platform::Answer showMessage(std::string_view text, platform::MessageStyle style,
                                 std::string_view title) override;
    platform::LoadedPicture loadPicture(std::string_view path) override;
    std::string launchCommand(std::string_view commandLine, platform::WindowStyle style) override;
    std::string openWebPage(std::string_view address) override;
    void endProgram() override;

private:
    // COM on this thread, begun with the first picture rather than before the first paint.
    class Com {
    public:
        Com() = default;
        ~Com();
        Com(const Com&) = delete;
        Com& operator=(const Com&) = delete;
        void begin();

    private:
        bool m_begun = false;
    };

    HWND m_mainWindow = nullptr;
    Com m_com;
};

} // namespace ui::win32

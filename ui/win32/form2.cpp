// SPDX-License-Identifier: MIT
#include "form2.h"

#include "platform/text_win.h"
#include "resources.h"

namespace ui::win32 {

using namespace form2;

namespace {

// In the task bar of its own, though modal over the main window.
constexpr WindowTraits Traits{L"Form2",
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                              WS_EX_APPWINDOW,
                              AuthorIconId,
                              {ClientWidth, ClientHeight}};

} // namespace

Form2::Form2(platform::PlatformServices& services)
    : Dialog(Traits, Controls)
    , m_services(services) {}

void Form2::run(HWND owner) {
    m_owner = owner;
    runModal(owner);
}

void Form2::initialise() {
    SetWindowTextW(window(), platform::WideFromUtf8(Caption).c_str());
    Load(*this);
    SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_controls[Command2]), TRUE);
    placeCentred(WorkArea(m_owner));
}

std::optional<INT_PTR> Form2::handle(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_COMMAND:
        // Esc finds no cancel button here: only the two buttons do anything.
        if (const auto button = m_controls.fromCommand(LOWORD(wParam));
            button && HIWORD(wParam) == BN_CLICKED)
            OpenPage(m_services, static_cast<Control>(*button));
        return TRUE;
    case WM_CLOSE:
        close();
        return TRUE;
    default:
        return std::nullopt;
    }
}

void Form2::setText(Control control, std::string_view text) {
    m_controls.setText(control, text);
}

} // namespace ui::win32

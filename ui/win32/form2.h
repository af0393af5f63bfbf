// SPDX-License-Identifier: MIT
#pragma once

#include "dialog.h"
#include "platform/platform_services.h"
#include "ui/dialogs/form2_rules.h"

namespace ui::win32 {

// The about-author dialog: a greeting, contact details and two buttons that open web pages.
class Form2 final : public Dialog, private form2::View {
public:
    explicit Form2(platform::PlatformServices& services);

    // Shows the dialog in the centre of the screen, modal over `owner`, until it is closed.
    void run(HWND owner);

private:
    std::optional<INT_PTR> handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void initialise() override;
    void setText(form2::Control control, std::string_view text) override;

    platform::PlatformServices& m_services;
    HWND m_owner = nullptr;
};

} // namespace ui::win32

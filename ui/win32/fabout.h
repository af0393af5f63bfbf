// SPDX-License-Identifier: MIT
#pragma once

#include "dialog.h"
#include "platform/platform_services.h"
#include "ui/dialogs/fabout_rules.h"

namespace ui::win32 {

// The about-program dialog: the program's title, version and description.
class FAbout final : public Dialog, private fabout::View {
public:
    explicit FAbout(platform::PlatformServices& services);

    // Shows the dialog modal over `owner`, centred on it, until it is closed.
    void run(HWND owner);

private:
    std::optional<INT_PTR> handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void initialise() override;
    Size clientSize(int dpi) const override;
    void paintLines() const;
    void drawIcon(const DRAWITEMSTRUCT& item) const;

    void setCaption(std::string_view caption) override;
    void setText(fabout::Control control, std::string_view text) override;

    platform::PlatformServices& m_services;
    HWND m_owner = nullptr;
};

} // namespace ui::win32

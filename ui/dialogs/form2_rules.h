// SPDX-License-Identifier: MIT
// How the about-author dialog fills itself in and opens its pages.
#pragma once

#include "form2_layout.h"
#include "platform/platform_services.h"

#include <string_view>

namespace ui::form2 {

class View {
public:
    virtual ~View() = default;

    virtual void setText(Control control, std::string_view text) = 0;
};

// The author's contact details into their labels.
void Load(View& view);

// Opens the page of a button; a page that cannot be opened is reported, and the dialog stays.
void OpenPage(platform::PlatformServices& services, Control button);

} // namespace ui::form2

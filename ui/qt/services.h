// SPDX-License-Identifier: MIT
#pragma once

#include "platform/system_services.h"

namespace ui::qt {

// The services of the desktop the Qt program runs on.
class Services final : public platform::SystemServices {
public:
    [[nodiscard]] static Services& instance();

    platform::Answer showMessage(std::string_view text, platform::MessageStyle style,
                                 std::string_view title) override;
    platform::LoadedPicture loadPicture(std::string_view path) override;
    std::string launchCommand(std::string_view commandLine, platform::WindowStyle style) override;
    std::string openWebPage(std::string_view address) override;
    void endProgram() override;
};

} // namespace ui::qt

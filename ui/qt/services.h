// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform_services.h"

namespace ui::qt {

// The services of the desktop the Qt program runs on.
class Services final : public platform::PlatformServices {
public:
    [[nodiscard]] static Services& instance();

    platform::Answer showMessage(std::string_view text, platform::MessageStyle style,
                                 std::string_view title) override;
    platform::LoadedPicture loadPicture(std::string_view path) override;
    std::string launchCommand(std::string_view commandLine, platform::WindowStyle style) override;
    std::string openWebPage(std::string_view address) override;
    bool fileExists(std::string_view pattern) override;
    bool getKeyValue(std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) override;
    int currentYear() override;
    void endProgram() override;
};

} // namespace ui::qt

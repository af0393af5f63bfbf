// SPDX-License-Identifier: MIT
#pragma once

#include "platform_services.h"

namespace platform {

// The services that no toolkit gives, the same under every front end: the file probe, the
// registry and the local date.
class SystemServices : public PlatformServices {
public:
    bool fileExists(std::string_view pattern) override;
    bool getKeyValue(std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) override;
    int currentYear() override;
};

} // namespace platform

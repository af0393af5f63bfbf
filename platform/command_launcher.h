// SPDX-License-Identifier: MIT
#pragma once

#include "platform_services.h"

#include <string>
#include <string_view>

namespace platform {

// Starts a program from a whole command line (UTF-8) and returns at once without waiting for
// it. Returns an empty text on success, otherwise why it could not be started.
[[nodiscard]] std::string LaunchCommand(std::string_view commandLine, WindowStyle style);

} // namespace platform

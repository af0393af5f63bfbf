// SPDX-License-Identifier: MIT
#include "command_launcher.h"
#include "process_start.h"

namespace platform {

// The line goes to Windows whole, as Windows splits it itself.
std::string LaunchCommand(std::string_view commandLine, WindowStyle style) {
    return StartProcess(commandLine, static_cast<int>(style));
}

} // namespace platform

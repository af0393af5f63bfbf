// SPDX-License-Identifier: MIT
#include "command_launcher.h"
#include "process_start.h"

namespace platform {

// The line goes to Windows whole, as Windows splits it itself.
QString LaunchCommand(const QString& commandLine, WindowStyle style) {
    return QString::fromStdString(StartProcess(commandLine.toStdString(), static_cast<int>(style)));
}

} // namespace platform

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// How the started program's window first appears, with the values Windows gives them.
enum class WindowStyle {
    NormalFocus = 1,
    MinimizedFocus = 2,
};

// Starts a program from a whole command line and returns at once without waiting for it.
// Returns an empty text on success, otherwise why it could not be started.
[[nodiscard]] QString LaunchCommand(const QString& commandLine, WindowStyle style);

} // namespace platform

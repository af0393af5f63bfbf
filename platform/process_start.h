// SPDX-License-Identifier: MIT
// Starting a program on Windows, without Qt. Windows only.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Hands a whole command line (UTF-8) to Windows, which splits it into the program and its
// arguments, and returns at once without waiting. The program's first window is shown as
// `showWindow` says, a value of the kind STARTUPINFO's wShowWindow takes (1 normal, 2
// minimized). Returns an empty text on success, otherwise why the program could not start.
[[nodiscard]] std::string StartProcess(std::string_view commandLine, int showWindow);

} // namespace platform

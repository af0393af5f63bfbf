// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Opens a web address in the user's browser without waiting for it. On Windows that is
// "explorer.exe" with the address, started minimized; elsewhere the desktop's own handler.
// Returns why the page could not be opened, or an empty text.
[[nodiscard]] std::string OpenWebPage(std::string_view address);

} // namespace platform

// SPDX-License-Identifier: MIT
// Plain C++ so that it builds for Windows without Qt.
#pragma once

#include <string_view>

namespace platform {

// True when an ordinary file (not a folder, not hidden, not a system file) matches `pattern`,
// a UTF-8 path whose last part may hold the wildcards * and ?.
[[nodiscard]] bool FileExists(std::string_view pattern);

// Wildcard matching of one name: * stands for any run of characters, ? for exactly one.
[[nodiscard]] bool MatchesWildcard(std::string_view name, std::string_view pattern);

} // namespace platform

// SPDX-License-Identifier: MIT
// Finding and starting the system's information tool for the about dialog's "系统信息" button.
// Plain C++ so that it builds and is tested on Windows without Qt.
#pragma once

#include "platform/platform_services.h"

#include <string_view>

namespace ui {

// Where the registry names the tool: first its full path, else its folder.
inline constexpr std::string_view ToolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view ToolPathValue = "PATH";
inline constexpr std::string_view ToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view ToolFolderValue = "MSINFO";
inline constexpr std::string_view ToolFileName = "\\MSINFO32.EXE";

inline constexpr std::string_view SysInfoUnavailableMessage = "此时系统信息不可用";

// Starts the tool the registry names under HKEY_LOCAL_MACHINE, or tells the user it is
// unavailable. Every failure on the way, a missing value or file, an unreadable value or a
// failed start, ends in that one message; this is the only place in the program that catches
// failures.
void StartSysInfo(platform::PlatformServices& services);

} // namespace ui

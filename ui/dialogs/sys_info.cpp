// SPDX-License-Identifier: MIT
#include "sys_info.h"

#include "platform/command_line.h"
#include "platform/registry.h"

#include <string>

namespace ui {
namespace {

using platform::PlatformServices;

// The path is started as one program, however many spaces it holds.
[[nodiscard]] bool launchTool(PlatformServices& services, std::string_view path) {
    const std::string commandLine = platform::ProgramCommandLine(path);
    return !commandLine.empty() &&
           services.launchCommand(commandLine, platform::WindowStyle::NormalFocus).empty();
}

// The full path is tried first; the folder only when there is none.
[[nodiscard]] bool findAndLaunchTool(PlatformServices& services) {
    std::string path;
    if (services.getKeyValue(platform::HkeyLocalMachine, ToolPathKey, ToolPathValue, path))
        return launchTool(services, path);
    if (!services.getKeyValue(platform::HkeyLocalMachine, ToolFolderKey, ToolFolderValue, path))
        return false;
    const std::string tool = path + std::string(ToolFileName);
    return services.fileExists(tool) && launchTool(services, tool);
}

} // namespace

void StartSysInfo(PlatformServices& services) {
    bool started = false;
    try {
        started = findAndLaunchTool(services);
    } catch (...) {
        // Whatever failed on the way to the tool, the user only needs to know it is unavailable.
    }
    if (!started)
        services.showMessage(SysInfoUnavailableMessage, platform::MessageStyle::Ok, {});
}

} // namespace ui

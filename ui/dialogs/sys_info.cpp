// SPDX-License-Identifier: MIT
#include "sys_info.h"

#include "platform/command_line.h"

namespace ui {
namespace {

// The path is started as one program, however many spaces it holds.
[[nodiscard]] bool launchTool(SysInfoEnvironment& environment, std::string_view path) {
    const std::string commandLine = platform::ProgramCommandLine(path);
    return !commandLine.empty() &&
           environment.launchCommand(commandLine, SysInfoWindowStyle).empty();
}

// The full path is tried first; the folder only when there is none.
[[nodiscard]] bool findAndLaunchTool(SysInfoEnvironment& environment, const Registry& registry,
                                     std::uint32_t keyRoot) {
    std::string path;
    if (registry.getKeyValue(keyRoot, ToolPathKey, ToolPathValue, path))
        return launchTool(environment, path);
    if (!registry.getKeyValue(keyRoot, ToolFolderKey, ToolFolderValue, path))
        return false;
    const std::string tool = path + std::string(ToolFileName);
    return environment.fileExists(tool) && launchTool(environment, tool);
}

} // namespace

void StartSysInfo(SysInfoEnvironment& environment, const Registry& registry,
                  std::uint32_t keyRoot) {
    bool started = false;
    try {
        started = findAndLaunchTool(environment, registry, keyRoot);
    } catch (...) {
        // Whatever failed on the way to the tool, the user only needs to know it is unavailable.
    }
    if (!started)
        environment.showMessage(SysInfoUnavailableMessage, SysInfoMessageStyle);
}

} // namespace ui

// SPDX-License-Identifier: MIT
#include "command_line.h"

namespace platform {

std::string ProgramCommandLine(std::string_view path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    if (path.empty() || path.find('"') != std::string_view::npos)
        return {};
    if (path.find_first_of(" \t") == std::string_view::npos)
        return std::string(path);
    return '"' + std::string(path) + '"';
}

std::string CommandLineWithArgument(std::string_view program, std::string_view argument) {
    return ProgramCommandLine(program) + " \"" + std::string(argument) + '"';
}

} // namespace platform

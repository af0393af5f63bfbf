// SPDX-License-Identifier: MIT
#include "command_line.h"

namespace platform {
namespace {

// The bytes a web address cannot hold as they are: controls, spaces, quotes and the like, and
// those of characters beyond ASCII. A '%' is left alone: it already starts an escape.
[[nodiscard]] bool needsEscape(unsigned char byte) {
    constexpr std::string_view unsafe = "\"<>\\^`{|}";
    return byte <= 0x20 || byte >= 0x7F || unsafe.find(static_cast<char>(byte)) != unsafe.npos;
}

[[nodiscard]] std::string percentEncoded(std::string_view address) {
    constexpr std::string_view hex = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char byte : address) {
        if (needsEscape(byte))
            encoded += {'%', hex[byte >> 4], hex[byte & 0xF]};
        else
            encoded += static_cast<char>(byte);
    }
    return encoded;
}

} // namespace

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

std::string WebPageCommandLine(std::string_view address) {
    return CommandLineWithArgument("explorer.exe", percentEncoded(address));
}

} // namespace platform

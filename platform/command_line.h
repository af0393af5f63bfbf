// SPDX-License-Identifier: MIT
// Command lines as Windows splits them.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The command line that starts the program at `path` with no arguments. A path holding a space
// or a tab is quoted, so that it names one program and is never split at its spaces; a path the
// registry already holds in quotes is taken as it is meant. Empty when no command line can name
// the program: the path is empty, or holds a quote, which no Windows file name can.
[[nodiscard]] std::string ProgramCommandLine(std::string_view path);

// The command line that starts `program` with one argument, quoted whole so that spaces do not
// split it. The argument must hold no quote, as a percent-encoded web address holds none.
[[nodiscard]] std::string CommandLineWithArgument(std::string_view program,
                                                  std::string_view argument);

// The command line that opens a web address in the user's browser on Windows: "explorer.exe"
// with the address as one argument, percent-encoded so that it holds no space or quote.
[[nodiscard]] std::string WebPageCommandLine(std::string_view address);

} // namespace platform

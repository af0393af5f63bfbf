// SPDX-License-Identifier: MIT
// What the program asks of the system, behind one interface with UTF-8 texts, so that a test
// can put a recording fake in its place. Each front end provides the services of its platform.
#pragma once

#include "service_types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // A modal box over the window the user is working in; an empty title means the program's.
    virtual Answer showMessage(std::string_view text, MessageStyle style,
                               std::string_view title) = 0;
    // Reads a picture file: the empty path gives the empty picture; a relative path is taken
    // from the working directory, and the stored backslash separates folders on every system.
    [[nodiscard]] virtual LoadedPicture loadPicture(std::string_view path) = 0;
    // Starts a whole command line without waiting; returns why it failed, or an empty text.
    [[nodiscard]] virtual std::string launchCommand(std::string_view commandLine,
                                                    WindowStyle style) = 0;
    // Opens a web address in the user's browser; returns why it failed, or an empty text.
    [[nodiscard]] virtual std::string openWebPage(std::string_view address) = 0;
    // See FileExists in file_probe.h and GetKeyValue in registry.h.
    [[nodiscard]] virtual bool fileExists(std::string_view pattern) = 0;
    [[nodiscard]] virtual bool getKeyValue(std::uint32_t keyRoot, std::string_view keyName,
                                           std::string_view subKeyRef, std::string& keyVal) = 0;
    // The calendar year of the local date, read afresh on each call.
    [[nodiscard]] virtual int currentYear() = 0;
    // Ends the program at once: no window is asked to close first.
    virtual void endProgram() = 0;
};

} // namespace platform

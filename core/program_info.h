// SPDX-License-Identifier: MIT
// The program's name and version: the one source for the About dialog, message-box titles and
// the Windows version record, which includes this file through the resource compiler.
#pragma once

#define MOLTRAVA_TITLE "Moltrava V1.2"
#define MOLTRAVA_VERSION_MAJOR 1
#define MOLTRAVA_VERSION_MINOR 0
#define MOLTRAVA_VERSION_REVISION 0
// The version record's text form: major, a dot, then minor and revision as two digits.
#define MOLTRAVA_VERSION_TEXT "1.00"

#ifndef RC_INVOKED
#include <string_view>

namespace core {

inline constexpr std::string_view ProgramTitle = MOLTRAVA_TITLE;

struct Version {
    int major;
    int minor;
    int revision;
};

inline constexpr Version ProgramVersion{MOLTRAVA_VERSION_MAJOR, MOLTRAVA_VERSION_MINOR,
                                        MOLTRAVA_VERSION_REVISION};

} // namespace core
#endif

// SPDX-License-Identifier: MIT
// Finding and starting the system's information tool for the about dialog's "系统信息" button.
// Plain C++ so that it builds and is tested on Windows without Qt.
#pragma once

#include "platform/registry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Where the registry names the tool: first its full path, else its folder.
inline constexpr std::string_view ToolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view ToolPathValue = "PATH";
inline constexpr std::string_view ToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view ToolFolderValue = "MSINFO";
inline constexpr std::string_view ToolFileName = "\\MSINFO32.EXE";

inline constexpr std::string_view SysInfoUnavailableMessage = "此时系统信息不可用";
inline constexpr int SysInfoWindowStyle = 1;  // a normal window with the focus
inline constexpr int SysInfoMessageStyle = 0; // OK button, no icon

// The registry reader, with the signature of platform::GetKeyValue; tests put a fake in its place.
class Registry {
public:
    virtual ~Registry() = default;

    [[nodiscard]] virtual bool getKeyValue(std::uint32_t keyRoot, std::string_view keyName,
                                           std::string_view subKeyRef,
                                           std::string& keyVal) const = 0;
};

class RealRegistry final : public Registry {
public:
    bool getKeyValue(std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) const override {
        return platform::GetKeyValue(keyRoot, keyName, subKeyRef, keyVal);
    }
};

// What starting the tool asks of the platform besides the registry. Texts are UTF-8.
class SysInfoEnvironment {
public:
    virtual ~SysInfoEnvironment() = default;

    [[nodiscard]] virtual bool fileExists(std::string_view pattern) = 0;
    // Starts a whole command line without waiting; returns why it failed, or an empty text.
    [[nodiscard]] virtual std::string launchCommand(std::string_view commandLine,
                                                    int windowStyle) = 0;
    // A modal message box titled with the program's title.
    virtual void showMessage(std::string_view text, int style) = 0;
};

// Starts the tool the registry names under `keyRoot`, or tells the user it is unavailable. Every
// failure on the way, a missing value or file, an unreadable value or a failed start, ends in
// that one message; this is the only place in the program that catches failures.
void StartSysInfo(SysInfoEnvironment& environment, const Registry& registry = RealRegistry(),
                  std::uint32_t keyRoot = platform::HkeyLocalMachine);

} // namespace ui

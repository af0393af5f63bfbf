// SPDX-License-Identifier: MIT
// What the program asks of the system, behind one interface with UTF-8 texts, so that a test
// can put a recording fake in its place. Plain C++: the Windows build uses it without Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The message-box styles the program uses, with the values Windows gives them.
enum class MessageStyle {
    Ok = 0,                // OK button, no icon
    OkStop = 16,           // OK button, stop icon
    YesNoExclamation = 52, // Yes and No buttons, exclamation icon
};

enum class Answer { Ok, Yes, No };

// How a started program's first window appears, with the values Windows gives them.
enum class WindowStyle {
    NormalFocus = 1,
    MinimizedFocus = 2,
};

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // A modal box over the window the user is working in; an empty title means the program's.
    virtual Answer showMessage(std::string_view text, MessageStyle style,
                               std::string_view title) = 0;
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

// The services of the machine the program runs on (built with the Qt program).
class RealPlatformServices final : public PlatformServices {
public:
    [[nodiscard]] static RealPlatformServices& instance();

    Answer showMessage(std::string_view text, MessageStyle style, std::string_view title) override;
    std::string launchCommand(std::string_view commandLine, WindowStyle style) override;
    std::string openWebPage(std::string_view address) override;
    bool fileExists(std::string_view pattern) override;
    bool getKeyValue(std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) override;
    int currentYear() override;
    void endProgram() override;
};

} // namespace platform

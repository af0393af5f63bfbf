// SPDX-License-Identifier: MIT
// Records what the program asks of the platform and answers from a script: registry values by
// value name ("?" one of another type, "0" one of size zero), pictures (each a 64 x 64 one unless
// its path is listed as broken), the answer to the next question (else No).
#pragma once

#include "platform/platform_services.h"
#include "platform/registry.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

struct FakeServices : platform::PlatformServices {
    using Style = platform::MessageStyle;
    struct Message {
        std::string text, title;
        Style style;
    };
    platform::Answer showMessage(std::string_view text, Style style, std::string_view title) override {
        messages.push_back({std::string(text), std::string(title), style});
        return style != Style::YesNoExclamation ? platform::Answer::Ok : std::exchange(answer, platform::Answer::No);
    }
    platform::LoadedPicture loadPicture(std::string_view path) override {
        if (path.empty() || brokenPictures.count(std::string(path)))
            return {{}, path.empty() ? "" : "broken"};
        return {{64, 64, std::vector<std::uint32_t>(64 * 64, 0xFF808080)}, {}};
    }
    std::string launchCommand(std::string_view line, platform::WindowStyle style) override {
        const bool minimized = style == platform::WindowStyle::MinimizedFocus;
        launches.push_back(std::string(line) + (minimized ? " (minimized)" : ""));
        return launchError;
    }
    std::string openWebPage(std::string_view address) override {
        launches.push_back("web " + std::string(address));
        return launchError;
    }
    bool fileExists(std::string_view pattern) override { return pattern == existingFile; }
    bool getKeyValue(std::uint32_t root, std::string_view key, std::string_view name, std::string& keyVal) override {
        lookups.push_back((root == platform::HkeyLocalMachine ? "HKLM\\" : "") + std::string(key) + '@' +
                          std::string(name));
        const auto found = registry.find(std::string(name));
        if (found != registry.end() && found->second == "0")
            throw platform::RegistryError("size 0");
        keyVal = found == registry.end() ? "" : found->second == "?" ? keyVal : found->second;
        return found != registry.end();
    }
    int currentYear() override { return year; }
    void endProgram() override { ++programEnds; }

    platform::Answer answer = platform::Answer::No;
    std::map<std::string, std::string> registry;
    std::set<std::string> brokenPictures;
    std::string existingFile, launchError;
    int year = 2026, programEnds = 0;
    std::vector<Message> messages;
    std::vector<std::string> launches, lookups; // web pages are launches too
};

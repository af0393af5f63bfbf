// SPDX-License-Identifier: MIT
// Records what the program asks of the platform and answers from a script: registry values from
// a table, message boxes from a queue (unscripted ones with the harmless answer). Plain C++.
#pragma once

#include "platform/platform_services.h"
#include "platform/registry.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct FakeServices : platform::PlatformServices {
    struct Message {
        std::string text, title;
        platform::MessageStyle style;
    };
    platform::Answer showMessage(std::string_view text, platform::MessageStyle style,
                                 std::string_view title) override {
        messages.push_back({std::string(text), std::string(title), style});
        if (whileMessageShows)
            whileMessageShows();
        if (answers.empty())
            return style == platform::MessageStyle::YesNoExclamation ? platform::Answer::No
                                                                     : platform::Answer::Ok;
        const platform::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string launchCommand(std::string_view line, platform::WindowStyle style) override {
        launches.push_back(std::string(line) +
                           (style == platform::WindowStyle::NormalFocus ? "" : " (min)"));
        return launchError;
    }
    std::string openWebPage(std::string_view address) override {
        webPages.emplace_back(address);
        return launchError;
    }
    bool fileExists(std::string_view pattern) override {
        probes.emplace_back(pattern);
        return pattern == existingFile;
    }
    // A value of "?" is found but of another type; "0" is found but of size zero.
    bool getKeyValue(std::uint32_t root, std::string_view key, std::string_view value,
                     std::string& keyVal) override {
        lookups.push_back((root == platform::HkeyLocalMachine ? "HKLM\\" : "?\\") +
                          std::string(key) + '@' + std::string(value));
        const auto found = registry.find(std::string(value));
        if (found == registry.end())
            return keyVal.clear(), false;
        if (found->second == "0")
            throw platform::RegistryError("size 0");
        if (found->second != "?")
            keyVal = found->second;
        return true;
    }
    int currentYear() override { return year; }
    void endProgram() override { ++programEnds; }

    std::deque<platform::Answer> answers;
    std::function<void()> whileMessageShows;
    std::map<std::string, std::string> registry; // by value name
    std::string existingFile, launchError;
    int year = 2026, programEnds = 0;
    std::vector<Message> messages;
    std::vector<std::string> launches, webPages, probes, lookups;
};

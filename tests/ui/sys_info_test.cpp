// SPDX-License-Identifier: MIT
// StartSysInfo with the registry and the platform replaced: which values it looks up, what it
// starts, and that every failure ends in the one message.
#include "support/fake_services.h"
#include "ui/dialogs/sys_info.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;
const std::string PathKey = "HKLM\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO@PATH";
const std::string FolderKey = "HKLM\\SOFTWARE\\Microsoft\\Shared Tools Location@MSINFO";
const std::string Tool = "C:\\Program Files\\MSInfo\\MSINFO32.EXE";

TEST(StartSysInfo, StartsTheToolOrShowsTheOneMessage) {
    const Strings both{PathKey, FolderKey};
    // "?": a value of another type; "0": a value of size zero.
    // clang-format off
    const struct { const char* name; std::map<std::string, std::string> registry; std::string launchError; Strings lookups, launches; } rows[] = {
        {"the path; the folder is not consulted", {{"PATH", "C:\\msinfo32.exe"}, {"MSINFO", "C:\\x"}}, "", {PathKey}, {"C:\\msinfo32.exe"}},
        {"a path with spaces is started whole", {{"PATH", Tool}}, "", {PathKey}, {'"' + Tool + '"'}},
        {"the folder holds the tool", {{"MSINFO", "C:\\Program Files\\MSInfo"}}, "", both, {'"' + Tool + '"'}},
        {"the folder lacks it", {{"MSINFO", "C:\\Elsewhere"}}, "", both, {}},
        {"neither value", {}, "", both, {}},
        {"a path of another type leaves nothing to start", {{"PATH", "?"}, {"MSINFO", "C:\\x"}}, "", {PathKey}, {}},
        {"a path of size zero ends the search", {{"PATH", "0"}, {"MSINFO", "C:\\x"}}, "", {PathKey}, {}},
        {"a folder of size zero", {{"MSINFO", "0"}}, "", both, {}},
        {"a path no command line can name", {{"PATH", "C:\\a\"b.exe"}}, "", {PathKey}, {}},
        {"the start fails", {{"PATH", "C:\\msinfo32.exe"}}, "无法启动", {PathKey}, {"C:\\msinfo32.exe"}}};
    // clang-format on
    for (const auto& row : rows) {
        FakeServices services;
        services.registry = row.registry;
        services.existingFile = Tool;
        services.launchError = row.launchError;
        ui::StartSysInfo(services);
        EXPECT_EQ(services.lookups, row.lookups) << row.name;
        EXPECT_EQ(services.launches, row.launches) << row.name;
        const bool started = !row.launches.empty() && row.launchError.empty();
        EXPECT_EQ(services.messages.size(), started ? 0u : 1u) << row.name;
        for (const FakeServices::Message& message : services.messages)
            EXPECT_EQ(message.text + message.title + char('0' + int(message.style)), "此时系统信息不可用0");
    }
}

} // namespace

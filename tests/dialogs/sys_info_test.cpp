// SPDX-License-Identifier: MIT
// StartSysInfo's flow with the registry and the platform replaced: which lookups it makes, what
// it starts, and that every failure ends in the one message.
#include "ui/dialogs/sys_info.h"

#include "support/fake_registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using testing_support::FakeRegistry;
using Answer = FakeRegistry::Answer;

constexpr const char* Unavailable = "此时系统信息不可用";
constexpr const char* ToolFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
constexpr const char* ToolInFolder =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE";
constexpr const char* QuotedToolInFolder =
    "\"C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE\"";

class FakeEnvironment final : public ui::SysInfoEnvironment {
public:
    enum class Launch { Starts, ReportsFailure, Throws };

    bool fileExists(std::string_view pattern) override {
        probes.emplace_back(pattern);
        if (probeThrows)
            throw std::runtime_error("probe failed");
        return files.count(std::string(pattern)) > 0;
    }

    std::string launchCommand(std::string_view commandLine, int windowStyle) override {
        launches.emplace_back(commandLine);
        styles.push_back(windowStyle);
        if (launch == Launch::Throws)
            throw std::bad_alloc();
        return launch == Launch::ReportsFailure ? "无法启动" : "";
    }

    void showMessage(std::string_view text, int style) override {
        messages.emplace_back(text);
        messageStyles.push_back(style);
    }

    std::set<std::string> files;
    bool probeThrows = false;
    Launch launch = Launch::Starts;
    std::vector<std::string> probes;
    std::vector<std::string> launches;
    std::vector<int> styles;
    std::vector<std::string> messages;
    std::vector<int> messageStyles;
};

struct Case {
    const char* name;
    std::function<void(FakeRegistry&, FakeEnvironment&)> arrange;
    std::vector<std::string> lookedUp; // value names, in order
    std::vector<std::string> launched; // command lines
    bool message;
};

void toolPath(FakeRegistry& registry, FakeRegistry::Value value) {
    registry.set(ui::ToolPathKey, "PATH", std::move(value));
}
void toolFolder(FakeRegistry& registry, FakeRegistry::Value value) {
    registry.set(ui::ToolFolderKey, "MSINFO", std::move(value));
}

const std::vector<Case>& cases() {
    static const std::vector<Case> all{
        {"the path names the tool; the folder is not consulted",
         [](FakeRegistry& r, FakeEnvironment& e) {
             toolPath(r, {Answer::Text, "C:\\WINDOWS\\system32\\msinfo32.exe"});
             toolFolder(r, {Answer::Text, ToolFolder});
             e.files.insert(ToolInFolder);
         },
         {"PATH"},
         {"C:\\WINDOWS\\system32\\msinfo32.exe"},
         false},
        {"a path with spaces is started whole",
         [](FakeRegistry& r, FakeEnvironment&) {
             toolPath(r, {Answer::Text, ToolInFolder});
         },
         {"PATH"},
         {QuotedToolInFolder},
         false},
        {"a path the registry quotes is quoted once",
         [](FakeRegistry& r, FakeEnvironment&) {
             toolPath(r, {Answer::Text, QuotedToolInFolder});
         },
         {"PATH"},
         {QuotedToolInFolder},
         false},
        {"no path, and the folder holds the tool",
         [](FakeRegistry& r, FakeEnvironment& e) {
             toolFolder(r, {Answer::Text, ToolFolder});
             e.files.insert(ToolInFolder);
         },
         {"PATH", "MSINFO"},
         {QuotedToolInFolder},
         false},
        {"no path, and the folder lacks the tool",
         [](FakeRegistry& r, FakeEnvironment&) {
             toolFolder(r, {Answer::Text, ToolFolder});
         },
         {"PATH", "MSINFO"},
         {},
         true},
        {"neither value", [](FakeRegistry&, FakeEnvironment&) {}, {"PATH", "MSINFO"}, {}, true},
        {"a path of another type leaves nothing to start",
         [](FakeRegistry& r, FakeEnvironment& e) {
             toolPath(r, {Answer::OtherType, {}});
             toolFolder(r, {Answer::Text, ToolFolder});
             e.files.insert(ToolInFolder);
         },
         {"PATH"},
         {},
         true},
        {"a path of size zero ends the search",
         [](FakeRegistry& r, FakeEnvironment& e) {
             toolPath(r, {Answer::SizeZero, {}});
             toolFolder(r, {Answer::Text, ToolFolder});
             e.files.insert(ToolInFolder);
         },
         {"PATH"},
         {},
         true},
        {"a folder of size zero",
         [](FakeRegistry& r, FakeEnvironment&) {
             toolFolder(r, {Answer::SizeZero, {}});
         },
         {"PATH", "MSINFO"},
         {},
         true},
        {"a folder of another type probes the bare file name",
         [](FakeRegistry& r, FakeEnvironment&) {
             toolFolder(r, {Answer::OtherType, {}});
         },
         {"PATH", "MSINFO"},
         {},
         true},
        {"a path no command line can name",
         [](FakeRegistry& r, FakeEnvironment&) {
             toolPath(r, {Answer::Text, "C:\\a\"b.exe"});
         },
         {"PATH"},
         {},
         true},
        {"the start reports a failure",
         [](FakeRegistry& r, FakeEnvironment& e) {
             toolPath(r, {Answer::Text, "C:\\msinfo32.exe"});
             e.launch = FakeEnvironment::Launch::ReportsFailure;
         },
         {"PATH"},
         {"C:\\msinfo32.exe"},
         true},
        {"the start throws",
         [](FakeRegistry& r, FakeEnvironment& e) {
             toolPath(r, {Answer::Text, "C:\\msinfo32.exe"});
             e.launch = FakeEnvironment::Launch::Throws;
         },
         {"PATH"},
         {"C:\\msinfo32.exe"},
         true},
        {"the file probe throws",
         [](FakeRegistry& r, FakeEnvironment& e) {
             toolFolder(r, {Answer::Text, ToolFolder});
             e.probeThrows = true;
         },
         {"PATH", "MSINFO"},
         {},
         true},
    };
    return all;
}

TEST(StartSysInfo, StartsTheToolOrShowsTheOneMessage) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        FakeEnvironment environment;
        c.arrange(registry, environment);

        ui::StartSysInfo(environment, registry);

        std::vector<std::string> lookedUp;
        for (const FakeRegistry::Lookup& lookup : registry.lookups) {
            EXPECT_EQ(lookup.root, 0x80000002u);
            EXPECT_EQ(lookup.keyName, lookup.valueName == "PATH"
                                          ? "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"
                                          : "SOFTWARE\\Microsoft\\Shared Tools Location");
            lookedUp.push_back(lookup.valueName);
        }
        EXPECT_EQ(lookedUp, c.lookedUp);
        EXPECT_EQ(environment.launches, c.launched);
        EXPECT_EQ(environment.styles, std::vector<int>(c.launched.size(), 1));
        EXPECT_EQ(environment.messages,
                  c.message ? std::vector<std::string>{Unavailable} : std::vector<std::string>{});
        EXPECT_EQ(environment.messageStyles, std::vector<int>(c.message ? 1 : 0, 0));
    }
}

TEST(StartSysInfo, TheFolderIsProbedForTheToolByName) {
    FakeRegistry registry;
    toolFolder(registry, {Answer::Text, "D:\\Tools\\"});
    FakeEnvironment environment;
    ui::StartSysInfo(environment, registry);
    EXPECT_EQ(environment.probes, std::vector<std::string>{"D:\\Tools\\\\MSINFO32.EXE"});

    FakeRegistry otherType;
    toolFolder(otherType, {Answer::OtherType, {}});
    FakeEnvironment bare;
    ui::StartSysInfo(bare, otherType);
    EXPECT_EQ(bare.probes, std::vector<std::string>{"\\MSINFO32.EXE"});
}

TEST(StartSysInfo, LooksUnderTheRootKeyItIsGiven) {
    FakeRegistry registry;
    FakeEnvironment environment;
    ui::StartSysInfo(environment, registry, platform::HkeyCurrentUser);
    ASSERT_EQ(registry.lookups.size(), 2u);
    for (const FakeRegistry::Lookup& lookup : registry.lookups)
        EXPECT_EQ(lookup.root, 0x80000001u);
}

#ifndef _WIN32
TEST(StartSysInfo, WithoutARegistryTheToolIsUnavailable) {
    std::string keyVal = "left over";
    EXPECT_FALSE(
        platform::GetKeyValue(platform::HkeyLocalMachine, ui::ToolPathKey, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");

    FakeEnvironment environment;
    ui::StartSysInfo(environment);
    EXPECT_TRUE(environment.launches.empty());
    EXPECT_EQ(environment.messages, std::vector<std::string>{Unavailable});
}
#endif

} // namespace

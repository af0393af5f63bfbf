// SPDX-License-Identifier: MIT
// StartSysInfo's flow with the registry and the platform replaced: which lookups it makes, what
// it starts, and that every failure ends in the one message.
#include "ui/dialogs/sys_info.h"

#include "support/fake_registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using testing_support::FakeRegistry;
using Answer = FakeRegistry::Answer;

constexpr const char* Unavailable = "此时系统信息不可用";
constexpr const char* Folder = "C:\\Program Files\\MSInfo";
constexpr const char* ToolInFolder = "C:\\Program Files\\MSInfo\\MSINFO32.EXE";
constexpr const char* QuotedToolInFolder = "\"C:\\Program Files\\MSInfo\\MSINFO32.EXE\"";

enum class Launch { Starts, ReportsFailure, Throws };

class FakeEnvironment final : public ui::SysInfoEnvironment {
public:
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
    std::optional<FakeRegistry::Value> path;   // try 1
    std::optional<FakeRegistry::Value> folder; // try 2
    bool toolInFolder;
    Launch launch;
    std::vector<std::string> lookedUp; // value names, in order
    std::vector<std::string> launched; // command lines
};

const FakeRegistry::Value FolderText{Answer::Text, Folder};
const FakeRegistry::Value OtherType{Answer::OtherType, {}};
const FakeRegistry::Value SizeZero{Answer::SizeZero, {}};
const std::vector<std::string> PathOnly{"PATH"};
const std::vector<std::string> Both{"PATH", "MSINFO"};

TEST(StartSysInfo, StartsTheToolOrShowsTheOneMessage) {
    const FakeRegistry::Value plainPath{Answer::Text, "C:\\WINDOWS\\system32\\msinfo32.exe"};
    const std::vector<Case> cases{
        {"the path; the folder is not consulted",
         plainPath,
         FolderText,
         true,
         Launch::Starts,
         PathOnly,
         {"C:\\WINDOWS\\system32\\msinfo32.exe"}},
        {"a path with spaces is started whole",
         FakeRegistry::Value{Answer::Text, ToolInFolder},
         {},
         false,
         Launch::Starts,
         PathOnly,
         {QuotedToolInFolder}},
        {"no path; the folder holds the tool",
         {},
         FolderText,
         true,
         Launch::Starts,
         Both,
         {QuotedToolInFolder}},
        {"no path; the folder lacks the tool", {}, FolderText, false, Launch::Starts, Both, {}},
        {"neither value", {}, {}, false, Launch::Starts, Both, {}},
        {"a path of another type leaves nothing to start",
         OtherType,
         FolderText,
         true,
         Launch::Starts,
         PathOnly,
         {}},
        {"a path of size zero ends the search",
         SizeZero,
         FolderText,
         true,
         Launch::Starts,
         PathOnly,
         {}},
        {"a folder of size zero", {}, SizeZero, true, Launch::Starts, Both, {}},
        {"a path no command line can name",
         FakeRegistry::Value{Answer::Text, "C:\\a\"b.exe"},
         {},
         false,
         Launch::Starts,
         PathOnly,
         {}},
        {"the start reports a failure",
         plainPath,
         {},
         false,
         Launch::ReportsFailure,
         PathOnly,
         {"C:\\WINDOWS\\system32\\msinfo32.exe"}},
        {"the start throws", {}, FolderText, true, Launch::Throws, Both, {QuotedToolInFolder}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        if (c.path)
            registry.set(ui::ToolPathKey, "PATH", *c.path);
        if (c.folder)
            registry.set(ui::ToolFolderKey, "MSINFO", *c.folder);
        FakeEnvironment environment;
        if (c.toolInFolder)
            environment.files.insert(ToolInFolder);
        environment.launch = c.launch;

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
        const bool started = !c.launched.empty() && c.launch == Launch::Starts;
        EXPECT_EQ(environment.messages,
                  started ? std::vector<std::string>{} : std::vector<std::string>{Unavailable});
        EXPECT_EQ(environment.messageStyles, std::vector<int>(started ? 0 : 1, 0));
    }
}

TEST(StartSysInfo, ProbesTheFolderForTheToolAndCatchesTheProbesFailure) {
    struct Row {
        FakeRegistry::Value folder;
        bool probeThrows;
        const char* probed;
    };
    for (const Row& row : {
             Row{{Answer::Text, "D:\\Tools\\"}, false, "D:\\Tools\\\\MSINFO32.EXE"},
             // The failed first lookup emptied the text, and this one leaves it so.
             Row{OtherType, false, "\\MSINFO32.EXE"},
             Row{FolderText, true, ToolInFolder},
         }) {
        FakeRegistry registry;
        registry.set(ui::ToolFolderKey, "MSINFO", row.folder);
        FakeEnvironment environment;
        environment.probeThrows = row.probeThrows;
        ui::StartSysInfo(environment, registry);
        EXPECT_EQ(environment.probes, std::vector<std::string>{row.probed});
        EXPECT_EQ(environment.messages, std::vector<std::string>{Unavailable});
    }
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

// SPDX-License-Identifier: MIT
// StartSysInfo end to end on Windows: the tool's registry values written under
// HKEY_CURRENT_USER, the real file probe, and real starts of a stand-in for the tool.
#include "platform/file_probe.h"
#include "platform/process_start.h"
#include "ui/dialogs/sys_info.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

namespace {

using namespace wine_support;

constexpr const char* Unavailable = "此时系统信息不可用";

class RealEnvironment final : public ui::SysInfoEnvironment {
public:
    bool fileExists(std::string_view pattern) override { return platform::FileExists(pattern); }

    std::string launchCommand(std::string_view commandLine, int windowStyle) override {
        launches.emplace_back(commandLine);
        return platform::StartProcess(commandLine, windowStyle);
    }

    void showMessage(std::string_view text, int /*style*/) override { messages.emplace_back(text); }

    std::vector<std::string> launches;
    std::vector<std::string> messages;
};

// The real registry, with a note of each value looked up.
class RecordingRegistry final : public ui::Registry {
public:
    bool getKeyValue(std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) const override {
        valueNames.emplace_back(subKeyRef);
        return m_real.getKeyValue(keyRoot, keyName, subKeyRef, keyVal);
    }

    mutable std::vector<std::string> valueNames;

private:
    ui::RealRegistry m_real;
};

class SysInfoOnWindows : public testing::Test {
protected:
    void SetUp() override { startOver(); }
    void TearDown() override { clear(); }

    // For each case of a table: no values, an empty folder, nothing recorded.
    void startOver() {
        clear();
        m_folder = freshFolder();
        m_environment.launches.clear();
        m_environment.messages.clear();
        m_registry.valueNames.clear();
    }

    void clear() {
        deleteKey(ui::ToolPathKey);
        deleteKey(ui::ToolFolderKey);
        if (!m_folder.empty())
            removeFolder(m_folder);
    }

    void run() { ui::StartSysInfo(m_environment, m_registry, platform::HkeyCurrentUser); }

    // Runs StartSysInfo and checks that the tool at `tool` started, its path quoted whole.
    void expectStartedWhole(const fs::path& tool) {
        run();
        const auto record = startRecord(tool);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->commandLine, "\"" + utf8(tool) + "\"");
        EXPECT_EQ(record->windowStyle, 1);
        EXPECT_TRUE(m_environment.messages.empty());
    }

    fs::path m_folder;
    RealEnvironment m_environment;
    RecordingRegistry m_registry;
};

void setToolPath(const fs::path& path) {
    setString(ui::ToolPathKey, "PATH", utf8(path));
}
void setToolFolder(const fs::path& folder) {
    setString(ui::ToolFolderKey, "MSINFO", utf8(folder));
}

struct StartCase {
    const char* name;
    // Writes the values and installs the tools; returns the one that must start.
    std::function<fs::path(const fs::path& folder)> arrange;
    std::vector<std::string> lookedUp;
};

TEST_F(SysInfoOnWindows, StartsTheToolTheRegistryNames) {
    const std::vector<StartCase> cases{
        {"the path; the folder is not consulted",
         [](const fs::path& folder) {
             installStandIn(folder / "tool" / "msinfo32.exe");
             installStandIn(folder / "shared" / "MSINFO32.EXE");
             setToolPath(folder / "tool" / "msinfo32.exe");
             setToolFolder(folder / "shared");
             return folder / "tool" / "msinfo32.exe";
         },
         {"PATH"}},
        {"no path; the folder holds the tool",
         [](const fs::path& folder) {
             installStandIn(folder / "shared" / "MSINFO32.EXE");
             setToolFolder(folder / "shared");
             return folder / "shared" / "MSINFO32.EXE";
         },
         {"PATH", "MSINFO"}},
        {"a path longer than 1024 bytes counts as none",
         [](const fs::path& folder) {
             installStandIn(folder / "shared" / "MSINFO32.EXE");
             setString(ui::ToolPathKey, "PATH", "C:\\" + std::string(1100, 'x') + ".exe");
             setToolFolder(folder / "shared");
             return folder / "shared" / "MSINFO32.EXE";
         },
         {"PATH", "MSINFO"}},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        startOver();
        const fs::path tool = c.arrange(m_folder);

        run();

        const auto record = startRecord(tool);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->windowStyle, 1);
        EXPECT_EQ(m_registry.valueNames, c.lookedUp);
        EXPECT_TRUE(m_environment.messages.empty());
    }
}

// Unquoted, Windows would try "…\Program.exe" first for "…\Program Files\…".
TEST_F(SysInfoOnWindows, APathWithSpacesStartsThatProgramAndNoOther) {
    const fs::path tool = m_folder / "Program Files" / "Sys Info" / "msinfo32.exe";
    const fs::path decoy = m_folder / "Program.exe";
    installStandIn(tool);
    installStandIn(decoy);
    setToolPath(tool);

    expectStartedWhole(tool);
    EXPECT_FALSE(fs::exists(fs::path(decoy) += ".started"));

    // The decoy is real: the same path handed over unquoted starts it.
    EXPECT_EQ(platform::StartProcess(utf8(tool), 1), "");
    EXPECT_TRUE(startRecord(decoy));
}

TEST_F(SysInfoOnWindows, ADoubleBytePathIsUsable) {
    if (!doubleByteCodePage())
        GTEST_SKIP() << "needs the ANSI code page 936, not " << GetACP();
    const fs::path tool = m_folder / u8"系统 工具" / u8"系统信息.exe";
    installStandIn(tool);
    setToolPath(tool);

    expectStartedWhole(tool);
}

struct FailureCase {
    const char* name;
    std::function<void(const fs::path& folder)> arrange;
    std::vector<std::string> lookedUp;
    std::size_t launches;
};

TEST_F(SysInfoOnWindows, EveryFailureEndsInTheMessage) {
    const auto toolInShared = [](const fs::path& folder) {
        installStandIn(folder / "shared" / "MSINFO32.EXE");
        setToolFolder(folder / "shared");
    };
    const std::vector<FailureCase> cases{
        {"neither value", [](const fs::path&) {}, {"PATH", "MSINFO"}, 0},
        {"no path; the folder lacks the tool",
         [](const fs::path& folder) {
             fs::create_directories(folder / "shared");
             setToolFolder(folder / "shared");
         },
         {"PATH", "MSINFO"},
         0},
        {"a path of size zero",
         [&](const fs::path& folder) {
             toolInShared(folder);
             setValue(ui::ToolPathKey, "PATH", REG_SZ, nullptr, 0);
         },
         {"PATH"},
         0},
        {"a path of another type",
         [&](const fs::path& folder) {
             toolInShared(folder);
             const unsigned char bytes[] = {'C', ':', '\\', 0};
             setValue(ui::ToolPathKey, "PATH", REG_BINARY, bytes, sizeof bytes);
         },
         {"PATH"},
         0},
        {"a path to no program",
         [](const fs::path& folder) { setToolPath(folder / "missing" / "msinfo32.exe"); },
         {"PATH"},
         1},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        startOver();
        c.arrange(m_folder);

        run();

        EXPECT_EQ(m_environment.messages, std::vector<std::string>{Unavailable});
        EXPECT_EQ(m_registry.valueNames, c.lookedUp);
        EXPECT_EQ(m_environment.launches.size(), c.launches);
    }
}

} // namespace

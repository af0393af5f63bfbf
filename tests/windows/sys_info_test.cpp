// SPDX-License-Identifier: MIT
// StartSysInfo end to end on Windows: the tool's registry values written under
// HKEY_CURRENT_USER, the real file probe, and real starts of a stand-in for the tool, which
// records how it was started in "<its path>.started": its command line, then its window style.
#include "platform/file_probe.h"
#include "platform/process_start.h"
#include "ui/dialogs/sys_info.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <windows.h>

namespace {

namespace fs = std::filesystem;
using namespace wine_support;

constexpr const char* Unavailable = "此时系统信息不可用";

class RealEnvironment final : public ui::SysInfoEnvironment {
public:
    bool fileExists(std::string_view pattern) override { return platform::FileExists(pattern); }

    std::string launchCommand(std::string_view commandLine, int windowStyle) override {
        ++launches;
        return platform::StartProcess(commandLine, windowStyle);
    }

    void showMessage(std::string_view text, int /*style*/) override { messages.emplace_back(text); }

    int launches = 0;
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

[[nodiscard]] std::string utf8(const fs::path& path) {
    return platform::Utf8FromWide(path.native());
}

struct StartRecord {
    std::string commandLine;
    int windowStyle = -1;
};

// A started program needs a moment under Wine, so this waits for the record, but not for ever.
[[nodiscard]] std::optional<StartRecord> startRecord(fs::path tool) {
    tool += ".started";
    for (int waited = 0; !fs::exists(tool); ++waited) {
        if (waited == 300)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::ifstream file(tool, std::ios::binary);
    StartRecord record;
    std::string style;
    std::getline(file, record.commandLine);
    std::getline(file, style);
    record.windowStyle = std::stoi(style);
    return record;
}

class SysInfoOnWindows : public testing::Test {
protected:
    void SetUp() override { startOver(); }
    void TearDown() override { clear(); }

    void startOver() {
        clear();
        m_folder = fs::temp_directory_path() /
                   ("moltrava-" +
                    std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                    "-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(m_folder);
        m_environment = {};
        m_registry.valueNames.clear();
    }

    void clear() {
        deleteKey(ui::ToolPathKey);
        deleteKey(ui::ToolFolderKey);
        // Its parent only if no one else has keys under it.
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shared Tools");
        // A stand-in may still be ending, and Windows keeps a running program's file.
        for (int attempt = 0; !m_folder.empty() && attempt < 50; ++attempt) {
            std::error_code error;
            if (fs::remove_all(m_folder, error), !error)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

    // Puts a copy of the stand-in at `relative` under the test's folder.
    fs::path installTool(const fs::path& relative) {
        std::wstring self(MAX_PATH, L'\0');
        self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
        const fs::path tool = m_folder / relative;
        fs::create_directories(tool.parent_path());
        fs::copy_file(fs::path(self).parent_path() / "sysinfo_stand_in.exe", tool);
        return tool;
    }

    void setToolPath(const fs::path& path) { setString(ui::ToolPathKey, "PATH", utf8(path)); }

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

enum class Path { None, Tool, NoProgram, Long, SizeZero, OtherType };
enum class Folder { None, Empty, WithTool };

struct Case {
    const char* name;
    Path path;
    Folder folder;
    const char* started; // the tool that must start, or none and the message
    std::vector<std::string> lookedUp;
    int launches;
};

TEST_F(SysInfoOnWindows, StartsTheToolOrShowsTheOneMessage) {
    const std::vector<std::string> pathOnly{"PATH"};
    const std::vector<std::string> both{"PATH", "MSINFO"};
    const std::vector<Case> cases{
        {"the path; the folder is not consulted", Path::Tool, Folder::WithTool, "tool\\t.exe",
         pathOnly, 1},
        {"no path; the folder holds the tool", Path::None, Folder::WithTool, "shared\\MSINFO32.EXE",
         both, 1},
        {"a path past 1024 bytes counts as none", Path::Long, Folder::WithTool,
         "shared\\MSINFO32.EXE", both, 1},
        {"no path; the folder lacks the tool", Path::None, Folder::Empty, nullptr, both, 0},
        {"neither value", Path::None, Folder::None, nullptr, both, 0},
        {"a path of size zero", Path::SizeZero, Folder::WithTool, nullptr, pathOnly, 0},
        {"a path of another type", Path::OtherType, Folder::WithTool, nullptr, pathOnly, 0},
        {"a path to no program", Path::NoProgram, Folder::None, nullptr, pathOnly, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startOver();
        const unsigned char binary[] = {'C', ':', '\\', 0};
        switch (c.path) {
        case Path::None:
            break;
        case Path::Tool:
            setToolPath(installTool("tool\\t.exe"));
            break;
        case Path::NoProgram:
            setToolPath(m_folder / "missing.exe");
            break;
        case Path::Long:
            setString(ui::ToolPathKey, "PATH", "C:\\" + std::string(1100, 'x') + ".exe");
            break;
        case Path::SizeZero:
            setValue(ui::ToolPathKey, "PATH", REG_SZ, nullptr, 0);
            break;
        case Path::OtherType:
            setValue(ui::ToolPathKey, "PATH", REG_BINARY, binary, sizeof binary);
            break;
        }
        if (c.folder == Folder::WithTool)
            installTool("shared\\MSINFO32.EXE");
        if (c.folder != Folder::None) {
            fs::create_directories(m_folder / "shared");
            setString(ui::ToolFolderKey, "MSINFO", utf8(m_folder / "shared"));
        }

        run();

        if (c.started) {
            const auto record = startRecord(m_folder / c.started);
            ASSERT_TRUE(record);
            EXPECT_EQ(record->windowStyle, 1);
        }
        EXPECT_EQ(m_environment.messages,
                  c.started ? std::vector<std::string>{} : std::vector<std::string>{Unavailable});
        EXPECT_EQ(m_registry.valueNames, c.lookedUp);
        EXPECT_EQ(m_environment.launches, c.launches);
    }
}

// Unquoted, Windows would try "…\Program.exe" first for "…\Program Files\…".
TEST_F(SysInfoOnWindows, APathWithSpacesStartsThatProgramAndNoOther) {
    const fs::path tool = installTool("Program Files\\Sys Info\\msinfo32.exe");
    const fs::path decoy = installTool("Program.exe");
    setToolPath(tool);

    expectStartedWhole(tool);
    EXPECT_FALSE(fs::exists(fs::path(decoy) += ".started"));

    // The decoy is real: the same path handed over unquoted starts it.
    EXPECT_EQ(platform::StartProcess(utf8(tool), 1), "");
    EXPECT_TRUE(startRecord(decoy));
}

// Read through the ANSI code page, each double-byte character used to leave a NUL at the end.
TEST_F(SysInfoOnWindows, ADoubleBytePathIsUsable) {
    if (GetACP() != 936)
        GTEST_SKIP() << "needs the ANSI code page 936, not " << GetACP();
    const fs::path tool = installTool(fs::path(u8"系统 工具") / u8"系统信息.exe");
    setToolPath(tool);

    expectStartedWhole(tool);
}

} // namespace

// SPDX-License-Identifier: MIT
// What only Windows shows (under Wine here): the real registry, real program starts. The tool's
// registry values are written under HKEY_CURRENT_USER, so that no administrator right is needed.
#include "platform/command_line.h"
#include "platform/file_probe.h"
#include "platform/process_start.h"
#include "platform/registry.h"
#include "platform/text_win.h"
#include "ui/dialogs/sys_info.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <windows.h>

namespace {

namespace fs = std::filesystem;

void setValue(std::string_view key, const char* name, DWORD type, const std::wstring& text, DWORD size) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, platform::WideFromUtf8(key).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &handle, nullptr), ERROR_SUCCESS);
    RegSetValueExW(handle, platform::WideFromUtf8(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()), size);
    RegCloseKey(handle);
}
void setString(std::string_view key, const char* name, const fs::path& text) {
    setValue(key, name, REG_SZ, text.wstring(), DWORD((text.wstring().size() + 1) * sizeof(wchar_t)));
}

// The real platform, with the registry's HKEY_LOCAL_MACHINE moved to HKEY_CURRENT_USER.
struct WindowsServices final : platform::PlatformServices {
    platform::Answer showMessage(std::string_view text, platform::MessageStyle, std::string_view) override {
        messages.emplace_back(text);
        return platform::Answer::Ok;
    }
    std::string launchCommand(std::string_view line, platform::WindowStyle style) override {
        return platform::StartProcess(line, int(style));
    }
    std::string openWebPage(std::string_view) override { return "no"; }
    bool fileExists(std::string_view pattern) override { return platform::FileExists(pattern); }
    bool getKeyValue(std::uint32_t root, std::string_view key, std::string_view value, std::string& text) override {
        EXPECT_EQ(root, platform::HkeyLocalMachine);
        return platform::GetKeyValue(platform::HkeyCurrentUser, key, value, text);
    }
    int currentYear() override { return 2026; }
    void endProgram() override {}
    std::vector<std::string> messages;
};

class OnWindows : public testing::Test {
protected:
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shared Tools");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shared Tools Location");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Moltrava Tests");
        std::error_code ignored; // a stand-in that is still ending keeps its file a moment
        fs::remove_all(folder, ignored);
    }
    // A copy of the stand-in at `relative` under the test's folder.
    fs::path install(const fs::path& relative) {
        std::wstring self(MAX_PATH, L'\0');
        self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
        fs::create_directories((folder / relative).parent_path());
        fs::copy_file(fs::path(self).parent_path() / "stand_in.exe", folder / relative);
        return folder / relative;
    }
    // What the stand-in at `program` recorded of its start, once it has: its window style and
    // arguments, one a line; empty if it did not start within 30 s.
    static std::string started(fs::path program) {
        program += ".started";
        for (int waited = 0; !fs::exists(program) && waited < 300; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::ifstream file(program, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    const fs::path folder = fs::temp_directory_path() / ("moltrava-" + std::to_string(GetCurrentProcessId()));
    WindowsServices services;
};

// Windows hands out the handle slot freed last, so a key left open shows as a different handle
// for the next key opened.
TEST_F(OnWindows, GetKeyValueClosesTheKeyOnEveryWayThrough) {
    const char* key = "Software\\Moltrava Tests";
    setString(key, "PATH", "C:\\msinfo32.exe");
    setString(key, "long", std::string(2000, 'a'));
    setValue(key, "empty", REG_SZ, L"", 0);
    const auto nextHandle = [] {
        HKEY handle = nullptr;
        RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &handle);
        RegCloseKey(handle);
        return handle;
    };
    for (const char* value : {"PATH", "long", "empty", "missing"}) {
        const HKEY before = nextHandle();
        std::string text;
        try {
            (void)platform::GetKeyValue(platform::HkeyCurrentUser, key, value, text);
        } catch (const platform::RegistryError&) {
        }
        EXPECT_EQ(nextHandle(), before) << value;
    }
    std::string root; // the predefined roots are 32-bit values that Windows widens with their sign
    ASSERT_TRUE(platform::GetKeyValue(platform::HkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot", root));
    EXPECT_TRUE(_stricmp(root.c_str(), "c:\\windows") == 0) << root;
}

// Unquoted, Windows would start "…\Program.exe" for "…\Program Files\…".
TEST_F(OnWindows, StartSysInfoStartsTheToolItsPathNamesAndNoOther) {
    const fs::path tool = install("Program Files\\Sys Info\\msinfo32.exe"), decoy = install("Program.exe");
    setString(ui::ToolPathKey, "PATH", tool);
    ui::StartSysInfo(services);
    EXPECT_EQ(started(tool), "1\n");
    EXPECT_FALSE(fs::exists(fs::path(decoy) += ".started"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(OnWindows, StartSysInfoFindsTheToolInItsFolderOrSaysItIsUnavailable) {
    setString(ui::ToolFolderKey, "MSINFO", folder / u8"系统 工具");
    ui::StartSysInfo(services); // the folder lacks the tool
    const fs::path tool = install(fs::path(u8"系统 工具") / "MSINFO32.EXE");
    ui::StartSysInfo(services);
    EXPECT_EQ(started(tool), "1\n");
    EXPECT_EQ(services.messages, std::vector<std::string>{"此时系统信息不可用"});
}

// Read through the ANSI code page, each double-byte character used to leave a NUL at the end.
TEST_F(OnWindows, ADoubleBytePathIsUsable) {
    if (GetACP() != 936)
        GTEST_SKIP() << "needs the ANSI code page 936, not " << GetACP();
    const fs::path tool = install(fs::path(u8"系统 工具") / u8"系统信息.exe");
    setString(ui::ToolPathKey, "PATH", tool);
    ui::StartSysInfo(services);
    EXPECT_EQ(started(tool), "1\n");
}

TEST_F(OnWindows, AWebAddressIsOneArgumentOfAMinimizedStart) {
    const fs::path browser = install("Web Browser\\explorer.exe");
    const std::string line = platform::CommandLineWithArgument(platform::Utf8FromWide(browser.wstring()), "https://a.example/x%20y z");
    EXPECT_EQ(platform::StartProcess(line, int(platform::WindowStyle::MinimizedFocus)), "");
    EXPECT_EQ(started(browser), "2\nhttps://a.example/x%20y z\n");
}

} // namespace

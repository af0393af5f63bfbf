// SPDX-License-Identifier: MIT
// What only Windows shows (under Wine here): the real registry, real program starts. The tool's
// registry values are written under HKEY_CURRENT_USER, so that no administrator right is needed.
#include "platform/command_line.h"
#include "platform/file_probe.h"
#include "platform/process_start.h"
#include "platform/text_win.h"
#include "support/fake_services.h"
#include "ui/dialogs/sys_info.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <windows.h>

namespace {

namespace fs = std::filesystem;

// A string value of HKEY_CURRENT_USER, created with its key.
void setValue(std::string_view key, const char* name, const fs::path& text) {
    const std::wstring value = text.wstring();
    RegSetKeyValueW(HKEY_CURRENT_USER, platform::WideFromUtf8(key).c_str(), platform::WideFromUtf8(name).c_str(),
                    REG_SZ, value.c_str(), DWORD((value.size() + 1) * sizeof(wchar_t)));
}

// The real platform, with the registry's HKEY_LOCAL_MACHINE moved to HKEY_CURRENT_USER.
struct WindowsServices final : FakeServices {
    std::string launchCommand(std::string_view line, platform::WindowStyle style) override {
        return platform::StartProcess(line, int(style));
    }
    bool getKeyValue(std::uint32_t root, std::string_view key, std::string_view value, std::string& text) override {
        EXPECT_EQ(root, platform::HkeyLocalMachine);
        return platform::GetKeyValue(platform::HkeyCurrentUser, key, value, text);
    }
};

class OnWindows : public testing::Test {
protected:
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Shared Tools");
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
    // What the stand-in at `program` recorded of its start once it has (its window style, then
    // its arguments, one a line), or nothing if it did not start within 30 s.
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

// Unquoted, Windows would start "…\Program.exe" for "…\Program Files\…". Read through the ANSI
// code page 936, each double-byte character used to leave a NUL at the end.
TEST_F(OnWindows, StartSysInfoStartsTheToolItsPathNamesAndNoOther) {
    const bool doubleByte = GetACP() == 936;
    const fs::path tool =
        install(doubleByte ? fs::path(u8"Program Files\\系统信息.exe") : "Program Files\\msinfo32.exe");
    install("Program.exe"); // started by an unquoted path
    setValue(ui::ToolPathKey, "PATH", tool);
    ui::StartSysInfo(services);
    EXPECT_EQ(started(tool), "1\n");
    EXPECT_TRUE(services.messages.empty() && doubleByte) << "the ANSI code page is " << GetACP();
    std::string root; // the predefined roots are 32-bit values that Windows widens with their sign
    EXPECT_TRUE(platform::GetKeyValue(platform::HkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                      "SystemRoot", root));
    EXPECT_EQ(_stricmp(root.c_str(), "c:\\windows"), 0) << root;
}

TEST_F(OnWindows, AWebAddressIsOneArgumentOfAMinimizedStart) {
    const fs::path browser = install("Web Browser\\explorer.exe");
    const std::string address = "https://a.example/x%20y z";
    const std::string line = platform::CommandLineWithArgument(platform::Utf8FromWide(browser.wstring()), address);
    EXPECT_EQ(platform::StartProcess(line, int(platform::WindowStyle::MinimizedFocus)), "");
    EXPECT_EQ(started(browser), "2\n" + address + "\n");
}

} // namespace

// SPDX-License-Identifier: MIT
// Helpers for the tests that run on Windows (under Wine here): registry values written through
// the API, folders of their own, and the stand-in for the system-information tool.
#pragma once

#include "platform/text_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

#include <windows.h>

namespace wine_support {

namespace fs = std::filesystem;

[[nodiscard]] inline std::wstring wide(std::string_view utf8) {
    return platform::WideFromUtf8(utf8);
}

// Creates (or opens) a key under HKEY_CURRENT_USER for writing.
[[nodiscard]] inline HKEY createKey(std::string_view keyName) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wide(keyName).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS)
        << keyName;
    return key;
}

// Writes a value of any type from its bytes as stored.
inline void setValue(std::string_view keyName, std::string_view valueName, DWORD type,
                     const void* bytes, std::size_t size) {
    const HKEY key = createKey(keyName);
    EXPECT_EQ(RegSetValueExW(key, wide(valueName).c_str(), 0, type, static_cast<const BYTE*>(bytes),
                             static_cast<DWORD>(size)),
              ERROR_SUCCESS)
        << valueName;
    RegCloseKey(key);
}

// Writes a string in UTF-16, so that any character survives whatever the code page.
inline void setString(std::string_view keyName, std::string_view valueName, std::string_view text) {
    const std::wstring stored = wide(text);
    setValue(keyName, valueName, REG_SZ, stored.c_str(), (stored.size() + 1) * sizeof(wchar_t));
}

inline void deleteKey(std::string_view keyName) {
    RegDeleteTreeW(HKEY_CURRENT_USER, wide(keyName).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, wide(keyName).c_str());
}

// Double-byte texts need the Chinese ANSI code page; the test run under Wine sets it.
[[nodiscard]] inline bool doubleByteCodePage() {
    return GetACP() == 936;
}

// An empty folder of this test's own under the temporary folder.
[[nodiscard]] inline fs::path freshFolder() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder =
        fs::temp_directory_path() /
        ("moltrava-" + std::string(test->name()) + "-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// A started stand-in may still be ending, and Windows keeps a running program's file.
inline void removeFolder(const fs::path& folder) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::error_code error;
        fs::remove_all(folder, error);
        if (!error)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

[[nodiscard]] inline fs::path standIn() {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return fs::path(self).parent_path() / "sysinfo_stand_in.exe";
}

// Puts a copy of the stand-in at `path`, creating its folder.
inline void installStandIn(const fs::path& path) {
    fs::create_directories(path.parent_path());
    fs::copy_file(standIn(), path, fs::copy_options::overwrite_existing);
}

[[nodiscard]] inline std::string utf8(const fs::path& path) {
    return platform::Utf8FromWide(path.native());
}

struct StartRecord {
    std::string commandLine;
    int windowStyle = -1;
};

// What the stand-in at `path` recorded once started. A started program needs a moment under
// Wine, so this waits for the record, but gives up after long enough to say it never came.
[[nodiscard]] inline std::optional<StartRecord> startRecord(const fs::path& path,
                                                            std::chrono::seconds patience) {
    fs::path recordPath = path;
    recordPath += ".started";
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (!fs::exists(recordPath)) {
        if (std::chrono::steady_clock::now() > giveUp)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::ifstream file(recordPath, std::ios::binary);
    StartRecord record;
    std::string style;
    std::getline(file, record.commandLine);
    std::getline(file, style);
    record.windowStyle = std::stoi(style);
    return record;
}

[[nodiscard]] inline std::optional<StartRecord> startRecord(const fs::path& path) {
    return startRecord(path, std::chrono::seconds(30));
}

} // namespace wine_support

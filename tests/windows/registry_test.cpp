// SPDX-License-Identifier: MIT
// What only the real registry shows of GetKeyValue (StartSysInfo's tests read the values
// themselves): that no way through it leaves a key open, and the predefined root keys.
#include "platform/registry.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include <windows.h>

namespace {

using namespace wine_support;

constexpr const char* Key = "Software\\Moltrava Tests\\Registry";

// Windows hands out the handle slot freed last, so a key left open by GetKeyValue shows as a
// different handle for the next key opened.
TEST(GetKeyValueOnWindows, EveryWayThroughClosesTheKey) {
    deleteKey(Key);
    setString(Key, "PATH", "C:\\msinfo32.exe");
    setString(Key, "long", std::string(2000, 'a'));
    setValue(Key, "empty", REG_SZ, nullptr, 0);
    const auto nextHandle = [] {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key), ERROR_SUCCESS);
        RegCloseKey(key);
        return key;
    };
    for (const char* valueName : {"PATH", "long", "empty", "missing"}) {
        const HKEY before = nextHandle();
        std::string keyVal;
        try {
            (void)platform::GetKeyValue(platform::HkeyCurrentUser, Key, valueName, keyVal);
        } catch (const platform::RegistryError&) {
        }
        EXPECT_EQ(nextHandle(), before) << valueName;
    }
    deleteKey("Software\\Moltrava Tests");
}

// They are 32-bit values that Windows widens with their sign.
TEST(GetKeyValueOnWindows, ReadsUnderTheLocalMachineRoot) {
    std::string keyVal;
    ASSERT_TRUE(platform::GetKeyValue(platform::HkeyLocalMachine,
                                      "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                      "SystemRoot", keyVal));
    for (char& c : keyVal)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(keyVal, "c:\\windows");
}

} // namespace

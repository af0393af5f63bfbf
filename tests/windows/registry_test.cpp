// SPDX-License-Identifier: MIT
// GetKeyValue on the real registry: the tests write their values through the API under keys of
// HKEY_CURRENT_USER of their own, and remove them again.
#include "platform/registry.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace {

using namespace wine_support;

class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        m_keyName = std::string("Software\\Moltrava Tests\\") +
                    testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                    std::to_string(GetCurrentProcessId());
        deleteKey(m_keyName);
    }
    void TearDown() override {
        deleteKey(m_keyName);
        // Gone only when no other test still has a key under it.
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Moltrava Tests");
    }

    [[nodiscard]] bool read(std::string_view valueName, std::string& keyVal) const {
        return platform::GetKeyValue(platform::HkeyCurrentUser, m_keyName, valueName, keyVal);
    }

    std::string m_keyName;
};

TEST_F(RegistryTest, ReadsWhatWasWritten) {
    const std::uint32_t number = 0x00010203;
    const unsigned char binary[] = {1, 2, 3};
    const std::wstring expandable = L"%SystemRoot%\\system32\\msinfo32.exe";
    setString(m_keyName, "path", "C:\\WINDOWS\\system32\\msinfo32.exe");
    setString(m_keyName, "filling the buffer", std::string(1023, 'a'));
    setString(m_keyName, "longer than the buffer", std::string(1024, 'a'));
    setValue(m_keyName, "number", REG_DWORD, &number, sizeof number);
    setValue(m_keyName, "binary", REG_BINARY, binary, sizeof binary);
    setValue(m_keyName, "expandable", REG_EXPAND_SZ, expandable.c_str(),
             (expandable.size() + 1) * sizeof(wchar_t));

    struct Row {
        const char* valueName;
        bool found;
        std::string keyVal; // the text before the read is "before"
    };
    for (const Row& row : {
             Row{"path", true, "C:\\WINDOWS\\system32\\msinfo32.exe"},
             Row{"filling the buffer", true, std::string(1023, 'a')},
             Row{"longer than the buffer", false, ""},
             Row{"number", true, "&h123"},
             Row{"binary", true, "before"},
             Row{"expandable", true, "before"},
             Row{"missing", false, ""},
         }) {
        std::string keyVal = "before";
        EXPECT_EQ(read(row.valueName, keyVal), row.found) << row.valueName;
        EXPECT_EQ(keyVal, row.keyVal) << row.valueName;
    }
}

TEST_F(RegistryTest, DoubleByteTextComesBackWhole) {
    if (!doubleByteCodePage())
        GTEST_SKIP() << "needs the ANSI code page 936, not " << GetACP();
    for (const std::string text : {"C:\\系统工具\\系统信息.exe", "中文", "a中b文c"}) {
        setString(m_keyName, "PATH", text);
        std::string keyVal;
        EXPECT_TRUE(read("PATH", keyVal));
        EXPECT_EQ(keyVal, text);
    }
    setString(m_keyName, "中文名", "值");
    std::string keyVal;
    EXPECT_TRUE(platform::GetKeyValue(platform::HkeyCurrentUser, m_keyName, "中文名", keyVal));
    EXPECT_EQ(keyVal, "值");
}

TEST_F(RegistryTest, AStringOfSizeZeroIsAFailure) {
    setValue(m_keyName, "PATH", REG_SZ, nullptr, 0);
    std::string keyVal = "before";
    EXPECT_THROW((void)read("PATH", keyVal), platform::RegistryError);
    EXPECT_EQ(keyVal, "");
}

TEST_F(RegistryTest, AMissingKeyIsNotFound) {
    std::string keyVal = "before";
    EXPECT_FALSE(read("PATH", keyVal));
    EXPECT_EQ(keyVal, "");
}

// Windows hands out the handle slot freed last, so a key left open by GetKeyValue shows as a
// different handle for the next key opened.
TEST_F(RegistryTest, EveryWayOfReadingClosesTheKey) {
    setString(m_keyName, "PATH", "C:\\msinfo32.exe");
    setString(m_keyName, "long", std::string(2000, 'a'));
    setValue(m_keyName, "empty", REG_SZ, nullptr, 0);
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
            (void)read(valueName, keyVal);
        } catch (const platform::RegistryError&) {
        }
        EXPECT_EQ(nextHandle(), before) << valueName;
    }
}

// The predefined root keys are 32-bit values that Windows widens with their sign.
TEST_F(RegistryTest, ReadsUnderTheLocalMachineRoot) {
    std::string keyVal;
    ASSERT_TRUE(platform::GetKeyValue(platform::HkeyLocalMachine,
                                      "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                      "SystemRoot", keyVal));
    for (char& c : keyVal)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(keyVal, "c:\\windows");
}

} // namespace

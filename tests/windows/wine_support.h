// SPDX-License-Identifier: MIT
// Registry values for the tests that run on Windows (under Wine here), written through the API
// under HKEY_CURRENT_USER, so that any text survives whatever the code page.
#pragma once

#include "platform/text_win.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include <windows.h>

namespace wine_support {

// Writes a value of any type from its bytes as stored, creating the key.
inline void setValue(std::string_view keyName, std::string_view valueName, DWORD type,
                     const void* bytes, std::size_t size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, platform::WideFromUtf8(keyName).c_str(), 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, platform::WideFromUtf8(valueName).c_str(), 0, type,
                             static_cast<const BYTE*>(bytes), static_cast<DWORD>(size)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

inline void setString(std::string_view keyName, std::string_view valueName, std::string_view text) {
    const std::wstring stored = platform::WideFromUtf8(text);
    setValue(keyName, valueName, REG_SZ, stored.c_str(), (stored.size() + 1) * sizeof(wchar_t));
}

inline void deleteKey(std::string_view keyName) {
    RegDeleteTreeW(HKEY_CURRENT_USER, platform::WideFromUtf8(keyName).c_str());
}

} // namespace wine_support

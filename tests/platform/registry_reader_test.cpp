// SPDX-License-Identifier: MIT
// GetKeyValue's reading rules against a registry in memory that treats the caller as Windows
// treats a standard user under HKEY_LOCAL_MACHINE: keys open for reading, not for writing. Its
// code page is a double-byte one in which bytes 81 to FE lead a character, and its conversion
// keeps the bytes, so the expected texts are written in that code page.
#include "platform/registry.h"
#include "platform/registry_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Windows's answers to the registry calls besides 0, success, and the value types.
constexpr long FileNotFound = 2, AccessDenied = 5, MoreData = 234;
constexpr std::uint32_t Text = platform::RegString, Number = platform::RegNumber, Binary = 3;

struct MemoryRegistry final : platform::RegistryApi {
    long openKey(std::uint32_t, const std::string& name, std::uint32_t access, Key& key) override {
        key = 99; // a failed open promises nothing about the handle
        const bool readOnly = (access & ~platform::KeyReadAccess) == 0;
        return name != "SOFTWARE\\Tool" ? FileNotFound : !readOnly ? AccessDenied : (key = ++opened, 0);
    }
    long queryValue(Key, const std::string& name, std::uint32_t& valueType, std::span<unsigned char> buffer,
                    std::uint32_t& size) override {
        size = static_cast<std::uint32_t>(stored.size());
        if (name != "PATH" || stored.size() > buffer.size())
            return name != "PATH" ? FileNotFound : MoreData;
        std::copy(stored.begin(), stored.end(), buffer.begin());
        valueType = type;
        return 0;
    }
    void closeKey(Key key) override { closed += key == Key(opened) ? 1 : 100; }
    std::string toAnsi(std::string_view utf8) const override { return std::string(utf8); }
    std::string fromAnsi(std::string_view ansi) const override { return std::string(ansi); }
    bool isLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }

    std::uint32_t type = platform::RegString;
    std::string stored; // the value's bytes, with a string's terminating NUL
    int opened = 0, closed = 0;
};

TEST(GetKeyValue, ReadsByTheBufferAndTrimmingRulesAndClosesWhatItOpened) {
    const std::string nul(1, '\0'), pair = "\xD6\xD0", a1023(1023, 'a');
    std::string pairs; // 1022 bytes: the size then points past the 511 characters
    for (int i = 0; i < 511; ++i)
        pairs += pair;
    // clang-format off
    const struct { std::uint32_t type; std::string stored; const char* key; const char* value; std::string keyVal; } rows[] = {
        {Text, "C:\\m.exe" + nul, "SOFTWARE\\Tool", "PATH", "C:\\m.exe"}, {Text, "abc", "SOFTWARE\\Tool", "PATH", "abc"},
        {Text, "C:\\" + pair + pair + nul, "SOFTWARE\\Tool", "PATH", "C:\\" + pair + pair}, // no NULs left
        {Text, pairs + nul, "SOFTWARE\\Tool", "PATH", pairs}, {Text, a1023 + nul, "SOFTWARE\\Tool", "PATH", a1023},
        {Text, a1023 + "a" + nul, "SOFTWARE\\Tool", "PATH", "(none)"}, // longer than the buffer
        {Number, std::string("\x0B\x0A\xAB\x00", 4), "SOFTWARE\\Tool", "PATH", "&hABAB"},
        {Number, "\x78\x56\x34\x12", "SOFTWARE\\Tool", "PATH", "&h12345678"},
        {Binary, "\x01\x02", "SOFTWARE\\Tool", "PATH", "before"}, // another type: found, the text kept
        {Text, "x" + nul, "SOFTWARE\\Tool", "MSINFO", "(none)"}, {Text, "x", "SOFTWARE\\Other", "PATH", "(none)"},
        {Text, "", "SOFTWARE\\Tool", "PATH", "(failure)"}}; // size 0: not even a NUL to trim
    // clang-format on
    for (const auto& row : rows) {
        MemoryRegistry registry;
        registry.type = row.type;
        registry.stored = row.stored;
        std::string keyVal = "before";
        try {
            const bool found = platform::ReadKeyValue(registry, platform::HkeyLocalMachine, row.key, row.value, keyVal);
            EXPECT_EQ(found ? keyVal : keyVal.empty() ? "(none)" : "not emptied", row.keyVal);
        } catch (const platform::RegistryError&) {
            EXPECT_EQ(keyVal.empty() ? "(failure)" : "not emptied", row.keyVal);
        }
        EXPECT_EQ(registry.closed, registry.opened) << row.keyVal;
    }
}

} // namespace

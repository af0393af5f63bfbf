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

struct MemoryRegistry final : platform::RegistryApi {
    long openKey(std::uint32_t, const std::string& name, std::uint32_t access, Key& key) override {
        if (name != "SOFTWARE\\Tool")
            return 2; // not found
        if ((access & ~platform::KeyReadAccess) != 0)
            return 5; // access denied
        key = static_cast<Key>(++opened);
        return 0;
    }
    long queryValue(Key, const std::string& valueName, std::uint32_t& valueType,
                    std::span<unsigned char> buffer, std::uint32_t& size) override {
        if (valueName != "PATH")
            return 2;
        size = static_cast<std::uint32_t>(stored.size());
        if (stored.size() > buffer.size())
            return 234; // more data
        std::copy(stored.begin(), stored.end(), buffer.begin());
        valueType = type;
        return 0;
    }
    void closeKey(Key) override { ++closed; }
    std::string toAnsi(std::string_view utf8) const override { return std::string(utf8); }
    std::string fromAnsi(std::string_view ansi) const override { return std::string(ansi); }
    bool isLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }

    std::uint32_t type = platform::RegString;
    std::string stored; // the value's bytes, with a string's terminating NUL
    int opened = 0, closed = 0;
};

TEST(GetKeyValue, ReadsByTheBufferAndTrimmingRulesAndClosesTheKey) {
    const std::string nul(1, '\0'), chinese = "\xD6\xD0\xCE\xC4";
    std::string pairs;
    for (int i = 0; i < 511; ++i)
        pairs += "\xD6\xD0";
    // clang-format off
    const struct { std::uint32_t type; std::string stored; const char* key; const char* valueName; bool found; std::string keyVal; } rows[] = {
        {1, "C:\\m.exe" + nul, "SOFTWARE\\Tool", "PATH", true, "C:\\m.exe"},
        {1, "C:\\" + chinese + nul, "SOFTWARE\\Tool", "PATH", true, "C:\\" + chinese}, // no NUL left per pair
        {1, pairs + nul, "SOFTWARE\\Tool", "PATH", true, pairs}, // a size past the characters
        {1, "abc", "SOFTWARE\\Tool", "PATH", true, "abc"}, // no terminator
        {1, std::string(1023, 'a') + nul, "SOFTWARE\\Tool", "PATH", true, std::string(1023, 'a')},
        {1, std::string(1024, 'a') + nul, "SOFTWARE\\Tool", "PATH", false, ""}, // past the buffer
        {4, std::string("\x03\x02\x01\x00", 4), "SOFTWARE\\Tool", "PATH", true, "&h123"},
        {4, "\x78\x56\x34\x12", "SOFTWARE\\Tool", "PATH", true, "&h12345678"},
        {3, "\x01\x02", "SOFTWARE\\Tool", "PATH", true, "before"}, // another type
        {1, "x" + nul, "SOFTWARE\\Tool", "MSINFO", false, ""}, {1, "x", "SOFTWARE\\Other", "PATH", false, ""}};
    // clang-format on
    for (const auto& row : rows) {
        MemoryRegistry registry;
        registry.type = row.type;
        registry.stored = row.stored;
        std::string keyVal = "before";
        EXPECT_EQ(platform::ReadKeyValue(registry, platform::HkeyLocalMachine, row.key,
                                         row.valueName, keyVal),
                  row.found);
        EXPECT_EQ(keyVal, row.keyVal);
        EXPECT_EQ(registry.closed, registry.opened) << row.keyVal;
    }
}

TEST(GetKeyValue, AValueOfSizeZeroIsAFailureAndItsKeyIsClosed) {
    MemoryRegistry registry; // holds nothing, not even a NUL
    std::string keyVal = "before";
    EXPECT_THROW((void)platform::ReadKeyValue(registry, platform::HkeyLocalMachine,
                                              "SOFTWARE\\Tool", "PATH", keyVal),
                 platform::RegistryError);
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.closed, 1);
}

} // namespace

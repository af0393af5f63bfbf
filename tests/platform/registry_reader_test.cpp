// SPDX-License-Identifier: MIT
// GetKeyValue's reading rules against a registry in memory that treats the caller as Windows
// treats a standard user under HKEY_LOCAL_MACHINE: keys open for reading, not for writing. Its
// code page is a double-byte one in which bytes 81 to FE lead a character, and its conversion
// keeps the bytes, so the expected texts are written in that code page.
#include "platform/registry.h"
#include "platform/registry_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class MemoryRegistry final : public platform::RegistryApi {
public:
    long openKey(std::uint32_t /*root*/, const std::string& ansiKeyName, std::uint32_t access,
                 Key& key) override {
        if (ansiKeyName != "SOFTWARE\\Tool")
            return 2; // not found
        if ((access & ~platform::KeyReadAccess) != 0)
            return 5; // access denied
        key = static_cast<Key>(++opened);
        return 0;
    }

    long queryValue(Key /*key*/, const std::string& ansiValueName, std::uint32_t& type,
                    std::span<unsigned char> buffer, std::uint32_t& size) override {
        if (ansiValueName != "PATH")
            return 2;
        size = static_cast<std::uint32_t>(stored.size());
        if (stored.size() > buffer.size())
            return 234; // more data
        std::copy(stored.begin(), stored.end(), buffer.begin());
        type = storedType;
        return 0;
    }

    void closeKey(Key /*key*/) override { ++closed; }

    std::string toAnsi(std::string_view utf8) const override { return std::string(utf8); }
    std::string fromAnsi(std::string_view ansi) const override { return std::string(ansi); }
    bool isLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }

    std::uint32_t storedType = platform::RegString;
    std::string stored; // the value's bytes, with a string's terminating NUL
    int opened = 0;
    int closed = 0;
};

struct Row {
    const char* name;
    std::uint32_t type;
    std::string stored;
    const char* valueName;
    bool found;
    std::string keyVal; // the text before the read is "before"
};

std::string twice(const std::string& text, int times) {
    std::string all;
    while (times-- > 0)
        all += text;
    return all;
}

TEST(GetKeyValue, ReadsByTheBufferAndTrimmingRules) {
    constexpr std::uint32_t Sz = platform::RegString;
    constexpr std::uint32_t Dword = platform::RegNumber;
    const std::string nul(1, '\0');
    const std::vector<Row> rows{
        {"single-byte string", Sz, "C:\\msinfo32.exe" + nul, "PATH", true, "C:\\msinfo32.exe"},
        {"double-byte characters leave no NULs", Sz, "C:\\\xD6\xD0\xCE\xC4.exe" + nul, "PATH", true,
         "C:\\\xD6\xD0\xCE\xC4.exe"},
        {"a size past the characters keeps them all", Sz, twice("\xD6\xD0", 511) + nul, "PATH",
         true, twice("\xD6\xD0", 511)},
        {"no terminator", Sz, "abc", "PATH", true, "abc"},
        {"filling the buffer", Sz, std::string(1023, 'a') + nul, "PATH", true,
         std::string(1023, 'a')},
        {"a byte longer than the buffer", Sz, std::string(1024, 'a') + nul, "PATH", false, ""},
        {"number, last byte first", Dword, std::string("\x03\x02\x01\x00", 4), "PATH", true,
         "&h123"},
        {"number of four bytes", Dword, "\x78\x56\x34\x12", "PATH", true, "&h12345678"},
        {"other type", 3, "\x01\x02", "PATH", true, "before"},
        {"missing value", Sz, "x" + nul, "MSINFO", false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryRegistry registry;
        registry.storedType = row.type;
        registry.stored = row.stored;
        std::string keyVal = "before";
        EXPECT_EQ(platform::ReadKeyValue(registry, platform::HkeyLocalMachine, "SOFTWARE\\Tool",
                                         row.valueName, keyVal),
                  row.found);
        EXPECT_EQ(keyVal, row.keyVal);
        EXPECT_EQ(registry.opened, 1);
        EXPECT_EQ(registry.closed, 1);
    }
}

TEST(GetKeyValue, FailuresEmptyTheTextAndLeaveNoKeyOpen) {
    MemoryRegistry missingKey;
    std::string keyVal = "before";
    EXPECT_FALSE(platform::ReadKeyValue(missingKey, platform::HkeyLocalMachine, "SOFTWARE\\Other",
                                        "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(missingKey.closed, 0);

    MemoryRegistry sizeZero;
    keyVal = "before";
    EXPECT_THROW((void)platform::ReadKeyValue(sizeZero, platform::HkeyLocalMachine,
                                              "SOFTWARE\\Tool", "PATH", keyVal),
                 platform::RegistryError);
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(sizeZero.closed, 1);
}

} // namespace

// SPDX-License-Identifier: MIT
// GetKeyValue's reading rules against a registry in memory that behaves like Windows towards a
// standard user: keys under it can be read but not written.
#include "platform/registry.h"
#include "platform/registry_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using platform::ReadKeyValue;
using platform::RegistryApi;

constexpr long Success = 0;
constexpr long FileNotFound = 2;
constexpr long AccessDenied = 5;
constexpr long MoreData = 234;
constexpr std::uint32_t Binary = 3;

// A double-byte code page of two characters: 中 is D6 D0 and 文 is CE C4, as in code page 936.
const std::map<std::string, std::string> DoubleByteCharacters{{"中", "\xD6\xD0"},
                                                              {"文", "\xCE\xC4"}};

class MemoryRegistry final : public RegistryApi {
public:
    struct Value {
        std::uint32_t type;
        std::string bytes; // as stored, with a string's terminating NUL
    };

    long openKey(std::uint32_t root, const std::string& ansiKeyName, std::uint32_t access,
                 Key& key) override {
        roots.push_back(root);
        const auto found = keys.find(ansiKeyName);
        if (found == keys.end())
            return FileNotFound;
        if ((access & ~platform::KeyReadAccess) != 0)
            return AccessDenied;
        key = ++m_lastKey;
        opened.push_back(key);
        m_openNames[key] = ansiKeyName;
        return Success;
    }

    long queryValue(Key key, const std::string& ansiValueName, std::uint32_t& type,
                    std::span<unsigned char> buffer, std::uint32_t& size) override {
        const auto& values = keys.at(m_openNames.at(key));
        const auto found = values.find(ansiValueName);
        if (found == values.end())
            return FileNotFound;
        const std::string& bytes = found->second.bytes;
        const std::uint32_t room = std::min<std::uint32_t>(size, std::uint32_t(buffer.size()));
        size = static_cast<std::uint32_t>(bytes.size());
        if (bytes.size() > room)
            return MoreData;
        std::copy(bytes.begin(), bytes.end(), buffer.begin());
        type = found->second.type;
        return Success;
    }

    void closeKey(Key key) override { closed.push_back(key); }

    std::string toAnsi(std::string_view utf8) const override {
        std::string text(utf8);
        for (const auto& [character, ansi] : DoubleByteCharacters)
            for (std::size_t at; (at = text.find(character)) != std::string::npos;)
                text.replace(at, character.size(), ansi);
        return text;
    }
    std::string fromAnsi(std::string_view ansi) const override {
        std::string text(ansi);
        for (const auto& [character, bytes] : DoubleByteCharacters)
            for (std::size_t at; (at = text.find(bytes)) != std::string::npos;)
                text.replace(at, bytes.size(), character);
        return text;
    }
    bool isLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }

    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::uint32_t> roots;
    std::vector<Key> opened;
    std::vector<Key> closed;

private:
    Key m_lastKey = 0;
    std::map<Key, std::string> m_openNames;
};

constexpr const char* Key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

std::string withNul(std::string text) {
    return text + '\0';
}

std::string repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

TEST(GetKeyValue, ReadsStringsAndNumbersAndKeepsOtherTypesOut) {
    struct Row {
        const char* name;
        MemoryRegistry::Value value;
        bool found;
        std::string keyVal; // the text before the read is "before"
    };
    const std::vector<Row> rows{
        {"single-byte string",
         {platform::RegString, withNul("C:\\Tools\\msinfo32.exe")},
         true,
         "C:\\Tools\\msinfo32.exe"},
        {"double-byte string leaves no NULs",
         {platform::RegString, withNul("C:\\\xD6\xD0\xCE\xC4\\x.exe")},
         true,
         "C:\\中文\\x.exe"},
        {"only double-byte characters",
         {platform::RegString, withNul("\xD6\xD0\xCE\xC4")},
         true,
         "中文"},
        {"string without its terminator", {platform::RegString, "abc"}, true, "abc"},
        {"empty string", {platform::RegString, withNul("")}, true, ""},
        {"string filling the buffer",
         {platform::RegString, withNul(std::string(1023, 'a'))},
         true,
         std::string(1023, 'a')},
        {"double-byte string whose size points past its characters",
         {platform::RegString, withNul(repeated("\xD6\xD0", 511))},
         true,
         repeated("中", 511)},
        {"value one byte longer than the buffer",
         {platform::RegString, withNul(std::string(1024, 'a'))},
         false,
         ""},
        {"number with a zero top byte",
         {platform::RegNumber, std::string("\x03\x02\x01\x00", 4)},
         true,
         "&h123"},
        {"number with four bytes",
         {platform::RegNumber, std::string("\x78\x56\x34\x12", 4)},
         true,
         "&h12345678"},
        {"number zero", {platform::RegNumber, std::string(4, '\0')}, true, "&h000"},
        {"binary value", {Binary, std::string("\x01\x02", 2)}, true, "before"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryRegistry registry;
        registry.keys[Key]["PATH"] = row.value;
        std::string keyVal = "before";
        EXPECT_EQ(ReadKeyValue(registry, platform::HkeyLocalMachine, Key, "PATH", keyVal),
                  row.found);
        EXPECT_EQ(keyVal, row.keyVal);
        EXPECT_EQ(registry.roots, std::vector<std::uint32_t>{0x80000002u});
        EXPECT_EQ(registry.opened.size(), 1u);
        EXPECT_EQ(registry.closed, registry.opened);
    }
}

TEST(GetKeyValue, MissingKeysAndValuesEmptyTheTextAndLeaveNoKeyOpen) {
    MemoryRegistry registry;
    registry.keys[Key]["PATH"] = {platform::RegString, withNul("x")};
    std::string keyVal = "before";
    EXPECT_FALSE(
        ReadKeyValue(registry, platform::HkeyCurrentUser, "SOFTWARE\\Nothing", "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_TRUE(registry.opened.empty());
    EXPECT_TRUE(registry.closed.empty());

    keyVal = "before";
    EXPECT_FALSE(ReadKeyValue(registry, platform::HkeyCurrentUser, Key, "MSINFO", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registry.opened.size(), 1u);
    EXPECT_EQ(registry.closed, registry.opened);
}

TEST(GetKeyValue, AValueOfSizeZeroIsAFailureThatClosesTheKey) {
    for (const std::uint32_t type : {platform::RegString, platform::RegNumber, Binary}) {
        SCOPED_TRACE(type);
        MemoryRegistry registry;
        registry.keys[Key]["PATH"] = {type, ""};
        std::string keyVal = "before";
        EXPECT_THROW((void)ReadKeyValue(registry, platform::HkeyLocalMachine, Key, "PATH", keyVal),
                     platform::RegistryError);
        EXPECT_EQ(keyVal, "");
        EXPECT_EQ(registry.opened.size(), 1u);
        EXPECT_EQ(registry.closed, registry.opened);
    }
}

TEST(GetKeyValue, NamesGoToTheRegistryInTheCodePage) {
    MemoryRegistry registry;
    registry.keys["SOFTWARE\\\xD6\xD0\xCE\xC4"]["\xD6\xD0"] = {platform::RegString, withNul("ok")};
    std::string keyVal;
    EXPECT_TRUE(ReadKeyValue(registry, platform::HkeyCurrentUser, "SOFTWARE\\中文", "中", keyVal));
    EXPECT_EQ(keyVal, "ok");
}

} // namespace

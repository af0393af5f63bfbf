// SPDX-License-Identifier: MIT
#include "registry_reader.h"

#include "registry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>
#include <vector>

namespace platform {
namespace {

// Closes the key however the reading ends, a value that cannot be read as text included.
class KeyGuard {
public:
    explicit KeyGuard(RegistryApi& api)
        : m_api(api) {}
    ~KeyGuard() {
        if (m_key != 0)
            m_api.closeKey(m_key);
    }
    KeyGuard(const KeyGuard&) = delete;
    KeyGuard& operator=(const KeyGuard&) = delete;

    [[nodiscard]] RegistryApi::Key& key() { return m_key; }

private:
    RegistryApi& m_api;
    RegistryApi::Key m_key = 0;
};

using Characters = std::vector<std::string_view>;

[[nodiscard]] bool isNul(std::string_view character) {
    return character.size() == 1 && character.front() == '\0';
}

// The buffer as characters of the ANSI code page, one or two bytes each.
[[nodiscard]] Characters splitCharacters(std::string_view bytes, const RegistryApi& api) {
    Characters characters;
    for (std::size_t at = 0; at < bytes.size();) {
        const bool pair = api.isLeadByte(static_cast<unsigned char>(bytes[at])) &&
                          at + 1 < bytes.size() && bytes[at + 1] != '\0';
        const std::size_t length = pair ? 2 : 1;
        characters.push_back(bytes.substr(at, length));
        at += length;
    }
    return characters;
}

// The registry reports the value's size in bytes, its terminating NUL included, and the reader
// takes that count as a position among the characters: a NUL there is dropped, anything else
// kept. For single-byte text this drops exactly the terminator; each double-byte character
// leaves one NUL more at the end. `size` is at least 1.
[[nodiscard]] Characters trimmed(Characters characters, std::uint32_t size) {
    const std::size_t position = std::min<std::size_t>(size, characters.size());
    const bool nulThere = size <= characters.size() && isNul(characters[position - 1]);
    characters.resize(nulThere ? position - 1 : position);
    return characters;
}

[[nodiscard]] std::string upperHex(unsigned value) {
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
    std::string text(digits.data(), end);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// A number's bytes, last character first, each as its code in the code page in hexadecimal
// without leading zeros, after "&h".
[[nodiscard]] std::string numberText(const Characters& characters) {
    std::string text = "&h";
    for (auto it = characters.rbegin(); it != characters.rend(); ++it) {
        unsigned code = 0;
        for (const unsigned char byte : *it)
            code = code * 256 + byte;
        text += upperHex(code);
    }
    return text;
}

// A string's text, without the NULs that double-byte characters leave at its end.
[[nodiscard]] std::string stringText(Characters characters, const RegistryApi& api) {
    while (!characters.empty() && isNul(characters.back()))
        characters.pop_back();
    std::string ansi;
    for (const std::string_view character : characters)
        ansi += character;
    return api.fromAnsi(ansi);
}

} // namespace

bool ReadKeyValue(RegistryApi& api, std::uint32_t keyRoot, std::string_view keyName,
                  std::string_view subKeyRef, std::string& keyVal) {
    KeyGuard guard(api);
    if (api.openKey(keyRoot, api.toAnsi(keyName), KeyReadAccess, guard.key()) != 0) {
        guard.key() = 0; // a failed open promises nothing about the handle
        keyVal.clear();
        return false;
    }

    std::array<unsigned char, ValueBufferSize> buffer{};
    auto size = static_cast<std::uint32_t>(buffer.size());
    std::uint32_t type = 0;
    if (api.queryValue(guard.key(), api.toAnsi(subKeyRef), type, buffer, size) != 0) {
        keyVal.clear();
        return false;
    }

    // Nothing to trim: the caller learns of it as a failure, not as an empty text.
    if (size == 0) {
        keyVal.clear();
        throw RegistryError("registry value of size 0");
    }
    const std::string_view bytes(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    Characters characters = trimmed(splitCharacters(bytes, api), size);

    if (type == RegString)
        keyVal = stringText(std::move(characters), api);
    else if (type == RegNumber)
        keyVal = numberText(characters);
    return true;
}

} // namespace platform

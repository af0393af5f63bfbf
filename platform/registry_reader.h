// SPDX-License-Identifier: MIT
// How GetKeyValue reads a value, written against the three registry calls and the code-page
// conversions it needs, so that the rules can be exercised on any system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// The access a reader asks for: query values, enumerate sub-keys, notify and read control
// (Windows's KEY_READ). No write right, so a standard user can open keys under
// HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t KeyReadAccess = 0x20019;

// The size of the buffer a value is read into; a longer value is not read.
inline constexpr std::size_t ValueBufferSize = 1024;

// The calls the reader makes, shaped like RegOpenKeyExA, RegQueryValueExA and RegCloseKey, which
// return 0 on success, and the conversions between UTF-8 and the ANSI code page.
class RegistryApi {
public:
    using Key = std::uintptr_t; // an open key; 0 is none

    virtual ~RegistryApi() = default;

    [[nodiscard]] virtual long openKey(std::uint32_t root, const std::string& ansiKeyName,
                                       std::uint32_t access, Key& key) = 0;
    // On entry `size` is the buffer's size; on success it is the value's size in bytes.
    [[nodiscard]] virtual long queryValue(Key key, const std::string& ansiValueName,
                                          std::uint32_t& type, std::span<unsigned char> buffer,
                                          std::uint32_t& size) = 0;
    virtual void closeKey(Key key) = 0;

    [[nodiscard]] virtual std::string toAnsi(std::string_view utf8) const = 0;
    [[nodiscard]] virtual std::string fromAnsi(std::string_view ansi) const = 0;
    // True for the first byte of a double-byte character in the ANSI code page.
    [[nodiscard]] virtual bool isLeadByte(unsigned char byte) const = 0;
};

// GetKeyValue's reading rules on the given calls; see GetKeyValue in registry.h.
[[nodiscard]] bool ReadKeyValue(RegistryApi& api, std::uint32_t keyRoot, std::string_view keyName,
                                std::string_view subKeyRef, std::string& keyVal);

} // namespace platform

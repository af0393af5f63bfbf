// SPDX-License-Identifier: MIT
// Reading one value of the Windows registry. Plain C++ so that it builds for Windows without Qt.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// Root keys by the 32-bit handle values Windows gives them.
inline constexpr std::uint32_t HkeyCurrentUser = 0x80000001;
inline constexpr std::uint32_t HkeyLocalMachine = 0x80000002;

// The value types the reader tells apart, with their Windows numbers.
inline constexpr std::uint32_t RegString = 1; // REG_SZ
inline constexpr std::uint32_t RegNumber = 4; // REG_DWORD

// Raised when a value was read but cannot be turned into text: one of size zero.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the value `subKeyRef` of the key `keyName` under the root key `keyRoot`; names and the
// text are UTF-8 here and in the ANSI code page towards Windows. Returns true when the value was
// read: a string's text, or a number as "&h" and hexadecimal digits, goes to `keyVal`; a value of
// any other type leaves `keyVal` as it was. Returns false, with `keyVal` emptied, when the key or
// the value is missing, cannot be opened for reading or is longer than 1024 bytes, and always on
// a system without the registry. Throws RegistryError for a value of size zero.
[[nodiscard]] bool GetKeyValue(std::uint32_t keyRoot, std::string_view keyName,
                               std::string_view subKeyRef, std::string& keyVal);

} // namespace platform

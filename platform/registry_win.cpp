// SPDX-License-Identifier: MIT
#include "registry.h"
#include "registry_reader.h"
#include "text_win.h"

#include <windows.h>

namespace platform {
namespace {

static_assert(KeyReadAccess == KEY_READ);
static_assert(RegString == REG_SZ && RegNumber == REG_DWORD);

// Windows builds its predefined root keys from 32-bit values sign-extended into a handle.
[[nodiscard]] HKEY rootHandle(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

[[nodiscard]] HKEY handleOf(RegistryApi::Key key) {
    return reinterpret_cast<HKEY>(key);
}

// The ANSI functions of advapi32, with the system's ANSI code page for the conversions.
class WindowsRegistry final : public RegistryApi {
public:
    long openKey(std::uint32_t root, const std::string& ansiKeyName, std::uint32_t access,
                 Key& key) override {
        HKEY handle = nullptr;
        const LONG result =
            RegOpenKeyExA(rootHandle(root), ansiKeyName.c_str(), 0, access, &handle);
        key = reinterpret_cast<Key>(handle);
        return result;
    }

    long queryValue(Key key, const std::string& ansiValueName, std::uint32_t& type,
                    std::span<unsigned char> buffer, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG result = RegQueryValueExA(handleOf(key), ansiValueName.c_str(), nullptr,
                                             &valueType, buffer.data(), &valueSize);
        type = valueType;
        size = valueSize;
        return result;
    }

    void closeKey(Key key) override { RegCloseKey(handleOf(key)); }

    std::string toAnsi(std::string_view utf8) const override {
        return NarrowFromWide(WideFromUtf8(utf8), CP_ACP);
    }
    std::string fromAnsi(std::string_view ansi) const override {
        return NarrowFromWide(WideFromNarrow(ansi, CP_ACP), CP_UTF8);
    }
    bool isLeadByte(unsigned char byte) const override {
        return IsDBCSLeadByteEx(CP_ACP, byte) != FALSE;
    }
};

} // namespace

bool GetKeyValue(std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                 std::string& keyVal) {
    WindowsRegistry registry;
    return ReadKeyValue(registry, keyRoot, keyName, subKeyRef, keyVal);
}

} // namespace platform

// SPDX-License-Identifier: MIT
#include "registry.h"

namespace platform {

// There is no registry here, so every value counts as missing.
bool GetKeyValue(std::uint32_t /*keyRoot*/, std::string_view /*keyName*/,
                 std::string_view /*subKeyRef*/, std::string& keyVal) {
    keyVal.clear();
    return false;
}

} // namespace platform

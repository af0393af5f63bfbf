// SPDX-License-Identifier: MIT
#include "system_services.h"

#include "file_probe.h"
#include "local_date.h"
#include "registry.h"

namespace platform {

bool SystemServices::fileExists(std::string_view pattern) {
    return FileExists(pattern);
}

bool SystemServices::getKeyValue(std::uint32_t keyRoot, std::string_view keyName,
                                 std::string_view subKeyRef, std::string& keyVal) {
    return GetKeyValue(keyRoot, keyName, subKeyRef, keyVal);
}

int SystemServices::currentYear() {
    return CurrentYear();
}

} // namespace platform

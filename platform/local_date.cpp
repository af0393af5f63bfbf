// SPDX-License-Identifier: MIT
#include "local_date.h"

#include <ctime>

namespace platform {

int CurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_year + 1900;
}

} // namespace platform

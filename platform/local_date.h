// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// The calendar year of the system's local date.
[[nodiscard]] int CurrentYear();

} // namespace platform

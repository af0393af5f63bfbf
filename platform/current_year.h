// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// The calendar year of the local date, read afresh on each call.
[[nodiscard]] int CurrentYear();

} // namespace platform

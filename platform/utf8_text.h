// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace platform {

// The program keeps its texts as UTF-8 string views; Qt wants them as QString.
[[nodiscard]] inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace platform

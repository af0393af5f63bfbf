// SPDX-License-Identifier: MIT
// Conversions between UTF-8, the ANSI code page and Windows's UTF-16. Windows only.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// `codePage` is a Windows code page number, such as CP_UTF8 or CP_ACP.
[[nodiscard]] std::wstring WideFromNarrow(std::string_view text, unsigned codePage);
[[nodiscard]] std::string NarrowFromWide(std::wstring_view text, unsigned codePage);

[[nodiscard]] std::wstring WideFromUtf8(std::string_view utf8);
[[nodiscard]] std::string Utf8FromWide(std::wstring_view wide);

} // namespace platform

// SPDX-License-Identifier: MIT
#pragma once

#include "sign_table.h"

#include <optional>
#include <string_view>

namespace core {

enum class QueryMode { Age, BirthYear };

enum class QueryOutcomeKind {
    SignFound,
    AgeTooLarge,
    YearTooShort,
    NotANumber, // the entry is not a plain string of ASCII digits
    NoSign,     // a negative year whose remainder falls outside the table
};

struct QueryOutcome {
    QueryOutcomeKind kind;
    std::optional<SignEntry> sign; // set for SignFound only
    std::string_view message;      // set for the rejections only
    std::string_view title;        // likewise

    [[nodiscard]] bool isRejection() const { return !message.empty(); }
};

inline constexpr std::string_view RejectionTitle = "请重输";
inline constexpr std::string_view AgeTooLargeMessage = "请输入小于等于150岁的数字！";
inline constexpr std::string_view YearTooShortMessage = "请输入四位出生年份！";
inline constexpr std::string_view NotANumberMessage = "请输入数字！";

inline constexpr int MaximumAge = 150;
inline constexpr int MinimumBirthYear = 1000;

// Turns an entry into a sign or a rejection. `text` may be any bytes and of any length;
// `currentYear` is the year an age counts back from.
[[nodiscard]] QueryOutcome EvaluateQuery(QueryMode mode, std::string_view text, int currentYear);

} // namespace core

// SPDX-License-Identifier: MIT
#include "query.h"

#include <algorithm>
#include <cstdint>

namespace core {
namespace {

constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

[[nodiscard]] bool isDigitString(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
}

[[nodiscard]] std::string_view withoutLeadingZeros(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

// Only called with at most a few significant digits, so it cannot overflow.
[[nodiscard]] std::int64_t smallValue(std::string_view digits) {
    std::int64_t value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// Exact for any length: the digits are folded into the remainder one at a time.
[[nodiscard]] int remainderOf12(std::string_view digits) {
    int remainder = 0;
    for (const char c : digits)
        remainder = (remainder * 10 + (c - '0')) % 12;
    return remainder;
}

QueryOutcome rejection(QueryOutcomeKind kind, std::string_view message) {
    return {kind, std::nullopt, message, RejectionTitle};
}

QueryOutcome outcomeForRemainder(std::int64_t remainder) {
    if (const auto sign = SignForRemainder(remainder))
        return {QueryOutcomeKind::SignFound, sign, {}, {}};
    return {QueryOutcomeKind::NoSign, std::nullopt, {}, {}};
}

} // namespace

QueryOutcome EvaluateQuery(QueryMode mode, std::string_view text, int currentYear) {
    if (!isDigitString(text))
        return rejection(QueryOutcomeKind::NotANumber, NotANumberMessage);

    const std::string_view significant = withoutLeadingZeros(text);
    // Five or more significant digits exceed both bounds, so only short entries are converted.
    const bool large = significant.size() > 4;

    if (mode == QueryMode::Age) {
        if (large || smallValue(significant) > MaximumAge)
            return rejection(QueryOutcomeKind::AgeTooLarge, AgeTooLargeMessage);
        // Remainder with the sign of the year, as a year before 1 BC counts backwards.
        const std::int64_t year = std::int64_t{currentYear} - smallValue(significant);
        return outcomeForRemainder(year % 12);
    }

    if (!large && smallValue(significant) < MinimumBirthYear)
        return rejection(QueryOutcomeKind::YearTooShort, YearTooShortMessage);
    return outcomeForRemainder(remainderOf12(significant));
}

} // namespace core

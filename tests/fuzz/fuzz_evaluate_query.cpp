// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to EvaluateQuery and checks every outcome against an independent model.
// Input layout: byte 0 picks the mode, bytes 1-4 the current year, the rest is the entry text.
#include "core/query.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5)
        return 0;
    const auto mode = (data[0] & 1) ? core::QueryMode::BirthYear : core::QueryMode::Age;
    std::int32_t currentYear = 0;
    std::memcpy(&currentYear, data + 1, sizeof currentYear);
    const std::string text(reinterpret_cast<const char*>(data + 5), size - 5);
    const core::QueryOutcome outcome = core::EvaluateQuery(mode, text, currentYear);
    using Kind = core::QueryOutcomeKind;
    const auto require = [](bool condition) { condition ? void() : std::abort(); };

    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return require(outcome.kind == Kind::NotANumber && outcome.message == "请输入数字！"), 0;
    // The value when it has at most 9 significant digits, else more than any bound.
    const std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    const long long value = digits.size() > 9 ? 1'000'000'000 : std::stoll("0" + digits);
    // 10^k leaves 4 when divided by 12 for every k >= 2: another way to the remainder.
    int remainder = 0;
    for (std::size_t k = 0; k < digits.size(); ++k)
        remainder += (digits[digits.size() - 1 - k] - '0') * (k == 0 ? 1 : k == 1 ? 10 : 4);
    if (mode == core::QueryMode::Age && value > 150)
        return require(outcome.kind == Kind::AgeTooLarge &&
                       outcome.message == "请输入小于等于150岁的数字！"),
               0;
    if (mode == core::QueryMode::BirthYear && value < 1000)
        return require(outcome.kind == Kind::YearTooShort &&
                       outcome.message == "请输入四位出生年份！"),
               0;
    require(outcome.title.empty() && outcome.message.empty());
    const long long year = mode == core::QueryMode::Age ? currentYear - value : 0;
    const long long expected = mode == core::QueryMode::Age ? year % 12 : remainder % 12;
    if (expected < 0)
        return require(outcome.kind == Kind::NoSign && !outcome.sign), 0;
    require(outcome.kind == Kind::SignFound && outcome.sign->remainder == expected &&
            outcome.sign->caption == core::SignTable[expected].caption);
    return 0;
}

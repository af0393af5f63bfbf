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
    const bool age = (data[0] & 1) == 0;
    std::int32_t currentYear = 0;
    std::memcpy(&currentYear, data + 1, sizeof currentYear);
    const std::string text(reinterpret_cast<const char*>(data + 5), size - 5);
    const core::QueryOutcome outcome =
        core::EvaluateQuery(age ? core::QueryMode::Age : core::QueryMode::BirthYear, text, currentYear);

    // The value when it has at most 9 significant digits, else more than either bound; and the
    // remainder another way: 10^k leaves 4 when divided by 12 for every k >= 2.
    const std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    const long long value = digits.size() > 9 ? 1'000'000'000 : std::atoll(digits.c_str());
    long long year = age ? currentYear - value : 0;
    for (std::size_t k = 0; !age && k < digits.size(); ++k)
        year += (digits[digits.size() - 1 - k] - '0') * (k == 0 ? 1 : k == 1 ? 10 : 4);
    using Kind = core::QueryOutcomeKind;
    const Kind kind = text.empty() || text.find_first_not_of("0123456789") != std::string::npos ? Kind::NotANumber
                      : age && value > 150                                                      ? Kind::AgeTooLarge
                      : !age && value < 1000                                                    ? Kind::YearTooShort
                      : year % 12 < 0                                                           ? Kind::NoSign
                                                                                                : Kind::SignFound;
    const bool rejected = kind != Kind::SignFound && kind != Kind::NoSign;
    if (outcome.kind != kind || outcome.isRejection() != rejected ||
        outcome.sign.has_value() != (kind == Kind::SignFound) || (outcome.sign && outcome.sign->remainder != year % 12))
        std::abort();
    return 0;
}

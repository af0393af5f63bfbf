// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to EvaluateQuery and checks every outcome against an independent model.
// Input layout: byte 0 picks the mode, bytes 1-4 the current year, the rest is the entry text.
#include "core/query.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool isDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (const unsigned char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// A different reading from the program's digit-by-digit fold: nine digits at a time.
int remainderModel(std::string_view digits) {
    std::uint64_t r = 0;
    std::size_t i = 0;
    while (i < digits.size()) {
        const std::size_t n = std::min<std::size_t>(9, digits.size() - i);
        std::uint64_t chunk = 0;
        std::uint64_t scale = 1;
        for (std::size_t k = 0; k < n; ++k) {
            chunk = chunk * 10 + static_cast<std::uint64_t>(digits[i + k] - '0');
            scale *= 10;
        }
        r = (r * (scale % 12) + chunk) % 12;
        i += n;
    }
    return static_cast<int>(r);
}

// Compares the decimal text with a small bound without converting it.
int compareWith(std::string_view digits, unsigned bound) {
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    const std::string b = std::to_string(bound);
    if (digits.size() != b.size())
        return digits.size() < b.size() ? -1 : 1;
    return digits.compare(b) < 0 ? -1 : (digits == b ? 0 : 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5)
        return 0;
    const auto mode = (data[0] & 1) ? core::QueryMode::BirthYear : core::QueryMode::Age;
    std::int32_t currentYear = 0;
    std::memcpy(&currentYear, data + 1, sizeof currentYear);
    const std::string_view text(reinterpret_cast<const char*>(data + 5), size - 5);

    const core::QueryOutcome outcome = core::EvaluateQuery(mode, text, currentYear);
    using Kind = core::QueryOutcomeKind;

    if (!isDigits(text)) {
        require(outcome.kind == Kind::NotANumber);
        require(outcome.message == "请输入数字！" && outcome.title == "请重输");
        return 0;
    }

    if (mode == core::QueryMode::Age) {
        if (compareWith(text, 150) > 0) {
            require(outcome.kind == Kind::AgeTooLarge);
            require(outcome.message == "请输入小于等于150岁的数字！" && outcome.title == "请重输");
            return 0;
        }
        const long long year = static_cast<long long>(currentYear) - std::stoll(std::string(text));
        const long long r = year % 12;
        if (r < 0) {
            require(outcome.kind == Kind::NoSign && !outcome.sign && outcome.message.empty());
            return 0;
        }
        require(outcome.kind == Kind::SignFound && outcome.sign && outcome.sign->remainder == r);
        return 0;
    }

    if (compareWith(text, 1000) < 0) {
        require(outcome.kind == Kind::YearTooShort);
        require(outcome.message == "请输入四位出生年份！" && outcome.title == "请重输");
        return 0;
    }
    require(outcome.kind == Kind::SignFound && outcome.sign);
    require(outcome.sign->remainder == remainderModel(text));
    require(outcome.sign->caption == core::SignTable[outcome.sign->remainder].caption);
    return 0;
}

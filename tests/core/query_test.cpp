// SPDX-License-Identifier: MIT
#include "core/query.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

namespace {

using core::QueryMode::Age;
using core::QueryMode::BirthYear;
using Kind = core::QueryOutcomeKind;

// Every row's picture is loaded by the platform tests.
TEST(SignTable, OnlyRemaindersZeroToElevenHaveASign) {
    EXPECT_FALSE(core::SignForRemainder(-1) || core::SignForRemainder(12) || core::SignForRemainder(LLONG_MIN));
}

// Each entry, in a current year, gives its sign, a rejection's message, or neither.
TEST(Query, GivesTheSignOfTheYearOrRejectsTheEntryUnderOneTitle) {
    const std::string tooOld = "请输入小于等于150岁的数字！", tooShort = "请输入四位出生年份！";
    const std::string notDigits = "请输入数字！";
    const std::map<std::string, Kind> kinds{
        {tooOld, Kind::AgeTooLarge}, {tooShort, Kind::YearTooShort}, {notDigits, Kind::NotANumber}, {"", Kind::NoSign}};
    // clang-format off
    const struct { core::QueryMode mode; std::string text; int year; std::string seen; } rows[] = {
        {Age, "0", 2026, "马"}, {Age, "26", 2013, "兔"}, {Age, "150", 2028, "虎"}, {Age, "000150", 2031, "蛇"},
        {Age, "12", 0, "猴"}, {BirthYear, "1000", 2026, "鼠"}, {BirthYear, "2006", 1, "狗"},
        {BirthYear, "2004", 2026, "猴"}, {BirthYear, "2015", 2026, "羊"}, {BirthYear, "9999", 2026, "猪"},
        {BirthYear, "01993", INT_MIN, "鸡"}, {BirthYear, std::string(500, '9'), 2026, "猪"},
        {BirthYear, "1" + std::string(499, '0'), 2026, "鼠"}, // 10^k leaves 4
        {Age, "151", 2026, tooOld}, {Age, "0151", 2026, tooOld}, {Age, std::string(500, '9'), 2026, tooOld},
        {BirthYear, "999", 2026, tooShort}, {BirthYear, "0999", 2026, tooShort},
        {BirthYear, "0000", 2026, tooShort}, {Age, "", 2026, notDigits}, {BirthYear, " 1984", 2026, notDigits},
        {Age, "-5", 2026, notDigits}, {Age, "2.5", 2026, notDigits}, {BirthYear, "１９８４", 2026, notDigits},
        {BirthYear, std::string("19\0" "84", 5), 2026, notDigits},
        {Age, "5", 3, ""}, {Age, "1", INT_MIN, ""}}; // a negative year outside the table: no sign
    // clang-format on
    for (const auto& row : rows) {
        const core::QueryOutcome outcome = core::EvaluateQuery(row.mode, row.text, row.year);
        EXPECT_EQ(outcome.sign ? outcome.sign->caption : outcome.message, row.seen) << row.text;
        EXPECT_EQ(outcome.kind, kinds.count(row.seen) ? kinds.at(row.seen) : Kind::SignFound);
        EXPECT_EQ(outcome.title, outcome.isRejection() ? "请重输" : "") << row.text;
    }
}

} // namespace

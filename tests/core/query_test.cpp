// SPDX-License-Identifier: MIT
#include "core/query.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using core::EvaluateQuery;
using core::QueryMode::Age;
using core::QueryMode::BirthYear;
using Kind = core::QueryOutcomeKind;

TEST(SignTable, OnlyRemaindersZeroToElevenHaveASignAndItsPicture) {
    for (int r = 0; r < 12; ++r)
        EXPECT_EQ(core::SignForRemainder(r)->picturePath,
                  "生肖图片\\" + std::string(core::SignForRemainder(r)->caption) + "1.jpg");
    for (const long long outside : {-1LL, 12LL, LLONG_MIN, LLONG_MAX})
        EXPECT_FALSE(core::SignForRemainder(outside)) << outside;
}

TEST(Query, FindsTheSignOfTheYear) {
    struct Row {
        core::QueryMode mode;
        std::string text;
        int currentYear;
        const char* caption;
    };
    // clang-format off
    for (const Row& row : {
             Row{Age, "0", 2026, "马"}, Row{Age, "26", 2010, "鼠"}, Row{Age, "150", 2026, "鼠"},
             Row{Age, "000150", 2026, "鼠"}, Row{Age, "12", 0, "猴"}, Row{BirthYear, "1000", 2026, "鼠"},
             Row{BirthYear, "2000", 1, "龙"}, Row{BirthYear, "2004", 2026, "猴"},
             Row{BirthYear, "2015", 2026, "羊"}, Row{BirthYear, "9999", 2026, "猪"},
             Row{BirthYear, "01984", INT_MIN, "鼠"}, Row{BirthYear, std::string(500, '9'), 2026, "猪"},
             Row{BirthYear, "1" + std::string(499, '0'), 2026, "鼠"}, // 10^k leaves 4
         }) { // clang-format on
        const core::QueryOutcome outcome = EvaluateQuery(row.mode, row.text, row.currentYear);
        ASSERT_EQ(outcome.kind, Kind::SignFound) << row.text;
        EXPECT_EQ(outcome.sign->caption, row.caption) << row.text;
        EXPECT_FALSE(outcome.isRejection());
    }
}

TEST(Query, RejectsOutOfRangeAndNonNumericEntriesUnderOneTitle) {
    const char* tooOld = "请输入小于等于150岁的数字！";
    const char* tooShort = "请输入四位出生年份！";
    const char* notDigits = "请输入数字！";
    struct Row {
        core::QueryMode mode;
        std::string text;
        Kind kind;
        const char* message;
    };
    // clang-format off
    for (const Row& row : {
             Row{Age, "151", Kind::AgeTooLarge, tooOld}, Row{Age, "0151", Kind::AgeTooLarge, tooOld},
             Row{Age, std::string(500, '9'), Kind::AgeTooLarge, tooOld},
             Row{BirthYear, "999", Kind::YearTooShort, tooShort},
             Row{BirthYear, "0999", Kind::YearTooShort, tooShort},
             Row{BirthYear, "0000", Kind::YearTooShort, tooShort},
             Row{Age, "", Kind::NotANumber, notDigits}, Row{BirthYear, " 1984", Kind::NotANumber, notDigits},
             Row{Age, "-5", Kind::NotANumber, notDigits}, Row{Age, "2.5", Kind::NotANumber, notDigits},
             Row{BirthYear, "１９８４", Kind::NotANumber, notDigits},
             Row{BirthYear, std::string("19\0" "84", 5), Kind::NotANumber, notDigits},
         }) { // clang-format on
        const core::QueryOutcome outcome = EvaluateQuery(row.mode, row.text, 2026);
        EXPECT_EQ(outcome.kind, row.kind) << row.text;
        EXPECT_FALSE(outcome.sign) << row.text;
        EXPECT_EQ(outcome.message, row.message) << row.text;
        EXPECT_EQ(outcome.title, "请重输") << row.text;
    }
}

TEST(Query, ANegativeYearOutsideTheTableHasNoSign) {
    for (const auto& [age, year] : {std::pair{"5", 3}, std::pair{"1", INT_MIN}}) {
        const core::QueryOutcome outcome = EvaluateQuery(Age, age, year);
        EXPECT_EQ(outcome.kind, Kind::NoSign) << age;
        EXPECT_FALSE(outcome.sign || outcome.isRejection()) << age;
    }
}

} // namespace

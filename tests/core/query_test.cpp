// SPDX-License-Identifier: MIT
#include "core/program_info.h"
#include "core/query.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace {

using core::EvaluateQuery;
using core::QueryMode;
using Kind = core::QueryOutcomeKind;

TEST(SignTable, RowsAreIndexedByRemainderAndNameTheirPicture) {
    for (std::size_t i = 0; i < core::SignTable.size(); ++i) {
        const core::SignEntry& entry = core::SignTable[i];
        EXPECT_EQ(entry.remainder, static_cast<int>(i));
        EXPECT_EQ(std::string(entry.picturePath),
                  "生肖图片\\" + std::string(entry.caption) + "1.jpg");
    }
    EXPECT_EQ(core::SignTable[0].caption, "猴");
    EXPECT_EQ(core::SignTable[4].caption, "鼠");
    EXPECT_EQ(core::SignTable[11].caption, "羊");
}

TEST(SignTable, OnlyRemaindersZeroToElevenHaveASign) {
    ASSERT_TRUE(core::SignForRemainder(0));
    EXPECT_EQ(core::SignForRemainder(0)->picturePath, "生肖图片\\猴1.jpg");
    EXPECT_EQ(core::SignForRemainder(11)->caption, "羊");
    for (const long long outside : {-1LL, 12LL, -11LL, 100LL, LLONG_MIN, LLONG_MAX})
        EXPECT_FALSE(core::SignForRemainder(outside)) << outside;
}

struct Found {
    const char* name;
    QueryMode mode;
    const char* text;
    int currentYear;
    const char* caption;
};

void PrintTo(const Found& row, std::ostream* out) {
    *out << row.name;
}

class SignsFound : public testing::TestWithParam<Found> {};

TEST_P(SignsFound, GiveTheSignOfTheYear) {
    const Found& row = GetParam();
    const core::QueryOutcome outcome = EvaluateQuery(row.mode, row.text, row.currentYear);
    ASSERT_EQ(outcome.kind, Kind::SignFound);
    ASSERT_TRUE(outcome.sign);
    EXPECT_EQ(outcome.sign->caption, row.caption);
    EXPECT_TRUE(outcome.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Query, SignsFound,
    testing::Values(
        Found{"AgeZeroIsThisYear", QueryMode::Age, "0", 2026, "马"}, // the current year's sign
        Found{"Age26In2010", QueryMode::Age, "26", 2010, "鼠"},      // born 1984
        Found{"Age150", QueryMode::Age, "150", 2026, "鼠"},          // 1876, the oldest accepted
        Found{"Age150WithZeros", QueryMode::Age, "000150", 2026, "鼠"},
        Found{"YearMinus12", QueryMode::Age, "12", 0, "猴"}, // year -12 leaves remainder 0
        Found{"Year1000", QueryMode::BirthYear, "1000", 2026, "鼠"},
        Found{"Year1984", QueryMode::BirthYear, "1984", 2026, "鼠"},
        Found{"Year2000", QueryMode::BirthYear, "2000", 2026, "龙"},
        Found{"Year2004", QueryMode::BirthYear, "2004", 2026, "猴"},
        Found{"Year9999", QueryMode::BirthYear, "9999", 2026, "猪"},
        Found{"Year01984", QueryMode::BirthYear, "01984", 2026, "鼠"},
        Found{"YearIgnoresCurrentYear", QueryMode::BirthYear, "1984", INT_MIN, "鼠"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Rejected {
    const char* name;
    QueryMode mode;
    std::string text;
    Kind kind;
    const char* message;
};

void PrintTo(const Rejected& row, std::ostream* out) {
    *out << row.name;
}

class Rejections : public testing::TestWithParam<Rejected> {};

TEST_P(Rejections, CarryTheirMessageUnderOneTitle) {
    const Rejected& row = GetParam();
    const core::QueryOutcome outcome = EvaluateQuery(row.mode, row.text, 2026);
    EXPECT_EQ(outcome.kind, row.kind);
    EXPECT_FALSE(outcome.sign);
    EXPECT_EQ(outcome.message, row.message);
    EXPECT_EQ(outcome.title, "请重输");
}

constexpr const char* TooOld = "请输入小于等于150岁的数字！";
constexpr const char* TooShort = "请输入四位出生年份！";
constexpr const char* NotDigits = "请输入数字！";

INSTANTIATE_TEST_SUITE_P(
    Range, Rejections,
    testing::Values(
        Rejected{"Age151", QueryMode::Age, "151", Kind::AgeTooLarge, TooOld},
        Rejected{"Age0151", QueryMode::Age, "0151", Kind::AgeTooLarge, TooOld},
        Rejected{"Age999", QueryMode::Age, "999", Kind::AgeTooLarge, TooOld},
        Rejected{"Age500Nines", QueryMode::Age, std::string(500, '9'), Kind::AgeTooLarge, TooOld},
        Rejected{"Year999", QueryMode::BirthYear, "999", Kind::YearTooShort, TooShort},
        Rejected{"Year0999", QueryMode::BirthYear, "0999", Kind::YearTooShort, TooShort},
        Rejected{"Year0", QueryMode::BirthYear, "0", Kind::YearTooShort, TooShort},
        Rejected{"Year0000", QueryMode::BirthYear, "0000", Kind::YearTooShort, TooShort}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotANumber, Rejections,
    testing::Values(
        Rejected{"EmptyAge", QueryMode::Age, "", Kind::NotANumber, NotDigits},
        Rejected{"EmptyYear", QueryMode::BirthYear, "", Kind::NotANumber, NotDigits},
        Rejected{"LeadingSpace", QueryMode::BirthYear, " 1984", Kind::NotANumber, NotDigits},
        Rejected{"TrailingSpace", QueryMode::BirthYear, "1984 ", Kind::NotANumber, NotDigits},
        Rejected{"Minus", QueryMode::Age, "-5", Kind::NotANumber, NotDigits},
        Rejected{"Plus", QueryMode::Age, "+5", Kind::NotANumber, NotDigits},
        Rejected{"DecimalPoint", QueryMode::Age, "2.5", Kind::NotANumber, NotDigits},
        Rejected{"Separator", QueryMode::BirthYear, "1,984", Kind::NotANumber, NotDigits},
        Rejected{"FullWidthDigits", QueryMode::BirthYear, "１９８４", Kind::NotANumber, NotDigits},
        Rejected{"ChineseNumerals", QueryMode::BirthYear, "一九八四", Kind::NotANumber, NotDigits},
        Rejected{"ArabicIndicDigits", QueryMode::BirthYear, "٢٠٠٤", Kind::NotANumber, NotDigits},
        Rejected{"EmbeddedNul", QueryMode::BirthYear,
                 std::string("19\0"
                             "84",
                             5),
                 Kind::NotANumber, NotDigits}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Query, LongDigitStringsGiveTheExactRemainder) {
    // 10^k leaves 4 when divided by 12 for every k >= 2.
    const std::string tenToThe499 = "1" + std::string(499, '0');
    EXPECT_EQ(EvaluateQuery(QueryMode::BirthYear, tenToThe499, 2026).sign->caption, "鼠");
    EXPECT_EQ(EvaluateQuery(QueryMode::BirthYear, std::string(500, '9'), 2026).sign->caption, "猪");
    EXPECT_EQ(
        EvaluateQuery(QueryMode::BirthYear, std::string(10000, '0') + "2004", 2026).sign->caption,
        "猴");
}

TEST(Query, ANegativeYearOutsideTheTableHasNoSign) {
    for (const auto& [age, year] :
         {std::pair{"5", 3}, std::pair{"150", 0}, std::pair{"1", INT_MIN}}) {
        const core::QueryOutcome outcome = EvaluateQuery(QueryMode::Age, age, year);
        EXPECT_EQ(outcome.kind, Kind::NoSign) << age << " in " << year;
        EXPECT_FALSE(outcome.sign);
        EXPECT_TRUE(outcome.message.empty());
    }
}

TEST(ProgramInfo, TitleAndVersion) {
    EXPECT_EQ(core::ProgramTitle, "Moltrava V1.2");
    EXPECT_EQ(core::ProgramVersion.major, 1);
    EXPECT_EQ(core::ProgramVersion.minor, 0);
    EXPECT_EQ(core::ProgramVersion.revision, 0);
}

} // namespace

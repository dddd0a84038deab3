#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "fixedform/FieldReader.hpp"
#include "testsupport/CaseName.hpp"

namespace ff = quillon::fixedform;

namespace {

struct RealCase {
    const char* name;
    const char* field;
    int decimals;
    ff::Blanks blanks;
    int scale;
    double expected;
};

class ReadFwdTable : public ::testing::TestWithParam<RealCase> {};

TEST_P(ReadFwdTable, ReadsTheValueWorkedOutByHand) {
    const RealCase& c = GetParam();
    auto read = ff::ReadFwd(c.field, c.decimals, c.blanks, c.scale);
    ASSERT_TRUE(read.ok()) << c.field;
    EXPECT_DOUBLE_EQ(read.value, c.expected) << "'" << c.field << "'";
}

constexpr auto Z = ff::Blanks::AsZeros;
constexpr auto N = ff::Blanks::Ignored;

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFwdTable,
    ::testing::Values(
        // implied decimals: the last d digits are decimals
        RealCase{"ImpliedDecimals", "  123456", 2, Z, 0, 1234.56},
        RealCase{"NegativeImpliedDecimals", "     -12", 2, Z, 0, -0.12},
        // a punched point overrides the implied decimals
        RealCase{"PunchedPointOverridesDecimals", "  12.5  ", 2, N, 0, 12.5},
        RealCase{"PunchedPointOverridesFourDecimals", "   1.5", 4, Z, 0, 1.5},
        // blanks after the first digit are zeros, or are dropped
        RealCase{"TrailingBlanksAreZeros", "  12  ", 2, Z, 0, 12.0},  // "1200" with two decimals
        RealCase{"TrailingBlanksDropped", "  12  ", 2, N, 0, 0.12},   // "12"
        RealCase{"InnerBlankIsZero", " 1 2", 0, Z, 0, 102.0},
        RealCase{"InnerBlankDropped", " 1 2", 0, N, 0, 12.0},
        RealCase{"BlanksAfterPointAreZeros", "  12.5  ", 2, Z, 0, 12.5},  // "12.500"
        // a blank field is zero under both rules
        RealCase{"BlankIsZeroUnderBlanksAsZeros", "      ", 3, Z, 0, 0.0},
        RealCase{"BlankIsZeroUnderBlanksIgnored", "      ", 3, N, 0, 0.0},
        RealCase{"EmptyIsZero", "", 3, Z, 0, 0.0},
        // exponents, E or D, with implied decimals on the mantissa
        RealCase{"EExponent", "1.5E2", 0, N, 0, 150.0},
        RealCase{"DExponentWithImpliedDecimal", "15D-1", 1, N, 0, 0.15},  // 1.5 x 10^-1
        RealCase{"SignedLowerCaseExponent", "+2.5e+1", 3, N, 0, 25.0},
        // kP: a percent read as a fraction unless an exponent is given
        RealCase{"ScaledPercentIsFraction", "  250", 2, Z, 2, 0.025},  // 2.50 % -> 0.025
        RealCase{"NegativeScaledPercent", " -2.5", 2, Z, 2, -0.025},
        RealCase{"ExponentCancelsScale", "2.5E0", 2, N, 2, 2.5}),
    quillon::testsupport::CaseName());

TEST(ReadFwd, RejectsTextsThatAreNotNumbers) {
    for (const char* field : {"  1A", "1.2.3", "12-", "E5", "1E", "1E+", "--1", "1,5", "0x10"}) {
        auto read = ff::ReadFwd(field, 2, ff::Blanks::Ignored);
        EXPECT_EQ(read.status, ff::FieldStatus::NotANumber) << field;
        EXPECT_EQ(read.value, 0.0);
    }
}

TEST(ReadFwd, ExponentThatOverflowsIsAFailureNotInfinity) {
    auto read = ff::ReadFwd("9E999", 0, ff::Blanks::Ignored);
    EXPECT_FALSE(read.ok());
    // Many digits before the point overflow too, whatever the exponent says.
    EXPECT_FALSE(ff::ReadFwd(std::string(400, '9') + "E-50", 0, ff::Blanks::Ignored).ok());
}

TEST(ReadFwd, ValueTooSmallForADoubleIsZero) {
    for (const char* field : {"1E-400", "-1E-400", "0.0001E-320", "00001E-999"}) {
        auto read = ff::ReadFwd(field, 0, ff::Blanks::Ignored);
        ASSERT_TRUE(read.ok()) << field;
        EXPECT_EQ(read.value, 0.0) << field;
        EXPECT_EQ(std::signbit(read.value), field[0] == '-') << field;
    }
    // The smallest subnormal still reads as itself.
    EXPECT_EQ(ff::ReadFwd("4.9406564584124654E-324", 0, ff::Blanks::Ignored).value,
              std::numeric_limits<double>::denorm_min());
}

TEST(ReadIw, IntegersWithBothBlankRules) {
    EXPECT_EQ(ff::ReadIw(" 4", ff::Blanks::Ignored).value, 4);
    EXPECT_EQ(ff::ReadIw("4 ", ff::Blanks::Ignored).value, 4);
    EXPECT_EQ(ff::ReadIw("4 ", ff::Blanks::AsZeros).value, 40);
    EXPECT_EQ(ff::ReadIw("  ", ff::Blanks::Ignored).value, 0);
    EXPECT_EQ(ff::ReadIw(" -7", ff::Blanks::AsZeros).value, -7);
    EXPECT_EQ(ff::ReadIw("A1").status, ff::FieldStatus::NotANumber);
    EXPECT_EQ(ff::ReadIw("1.").status, ff::FieldStatus::NotANumber);
    EXPECT_EQ(ff::ReadIw("99999999999").status, ff::FieldStatus::OutOfRange);
}

TEST(Columns, ShortCardsArePaddedWithBlanksAndReadAsZeros) {
    std::string card = "01   12";  // 7 columns
    EXPECT_EQ(ff::Columns(card, 6, 5), "12   ");
    EXPECT_EQ(ff::Columns(card, 20, 3), "   ");
    // columns 6-9 of a card that ends in column 7: "12" then padding zeros
    EXPECT_EQ(ff::ReadInteger(card, 6, 4, ff::Blanks::AsZeros).value, 1200);
    EXPECT_EQ(ff::ReadInteger(card, 6, 4, ff::Blanks::Ignored).value, 12);
    EXPECT_DOUBLE_EQ(ff::ReadReal(card, 4, 4, 2).value, 0.12);  // "  12": leading blanks dropped
}

TEST(Columns, BlankTest) {
    EXPECT_TRUE(ff::IsBlank("   "));
    EXPECT_TRUE(ff::IsBlank(""));
    EXPECT_FALSE(ff::IsBlank("  x"));
}

}  // namespace

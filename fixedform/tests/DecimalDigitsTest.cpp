#include <gtest/gtest.h>

#include "fixedform/DecimalDigits.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"
#include "testsupport/CaseName.hpp"

namespace ff = quillon::fixedform;

namespace {

std::string Show(const ff::DecimalDigits& d) {
    return (d.negative ? "-" : "") + d.whole + "." + d.fraction;
}

struct DigitsCase {
    const char* name;
    const char* field;
    int decimals;
    ff::Blanks blanks;
    const char* expected;  // sign, whole digits, ".", fraction digits
};

class ReadFwdDigitsTable : public ::testing::TestWithParam<DigitsCase> {};

TEST_P(ReadFwdDigitsTable, KeepsEveryDigitAsWritten) {
    const DigitsCase& c = GetParam();
    auto read = ff::ReadFwdDigits(c.field, c.decimals, c.blanks);
    ASSERT_TRUE(read.ok()) << c.field;
    EXPECT_EQ(Show(read.value), c.expected) << "'" << c.field << "'";
}

constexpr auto Z = ff::Blanks::AsZeros;
constexpr auto N = ff::Blanks::Ignored;

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFwdDigitsTable,
    ::testing::Values(
        // would be 2.9999...e-4 in binary
        DigitsCase{"SmallFractionKeepsItsDigits", "0003", 4, Z, ".0003"},
        DigitsCase{"TwoImpliedDecimals", "1537", 2, Z, "15.37"},
        DigitsCase{"LeadingBlanksSkipped", "  123456", 2, Z, "1234.56"},
        DigitsCase{"NegativeFraction", "     -12", 2, Z, "-.12"},
        DigitsCase{"TrailingBlanksAreZeros", "  12  ", 2, Z, "12.00"},  // trailing blanks are zeros
        DigitsCase{"TrailingBlanksIgnored", "  12  ", 2, N, ".12"},
        DigitsCase{"PunchedPointWins", " 1.5", 4, Z, "1.5"},  // a punched point wins
        DigitsCase{"PunchedPointTrailingBlankIsZero", "2.5 ", 2, Z, "2.50"},
        // implied decimals reach past the digits
        DigitsCase{"DecimalsReachPastTheDigits", "  5", 4, Z, ".0005"},
        DigitsCase{"BlankIsZero", "   ", 3, Z, ".000"},               // blank is zero
        DigitsCase{"NegativeZeroUnsigned", " -0000", 4, Z, ".0000"},  // a zero has no sign
        DigitsCase{"DExponent", "15D-1", 1, N, ".15"},                // 1.5 x 10^-1
        DigitsCase{"EExponentAfterPoint", "3.E3", 0, N, "3000."},
        // implied decimals on the mantissa,
        DigitsCase{"ImpliedDecimalsOnTheMantissa", "-31E2", 3, N, "-3.1"},
        DigitsCase{"LeadingZerosDropped", "007", 0, Z, "7."}),
    quillon::testsupport::CaseName());

TEST(ReadFwdDigits, ReportsTextsThatAreNotNumbersAndHugeExponents) {
    EXPECT_EQ(ff::ReadFwdDigits("12A4", 2).status, ff::FieldStatus::NotANumber);
    EXPECT_EQ(ff::ReadFwdDigits("1.2.", 2).status, ff::FieldStatus::NotANumber);
    EXPECT_EQ(ff::ReadFwdDigits("1E999", 0, N).status, ff::FieldStatus::OutOfRange);
    EXPECT_EQ(ff::ReadFwdDigits("1E-999", 0, N).status, ff::FieldStatus::OutOfRange);
}

TEST(DecimalDigits, TruncatesTowardZeroAndRoundsHalfAwayFromZero) {
    ff::DecimalDigits d{true, "3", "28083"};
    EXPECT_EQ(Show(ff::TruncateDigits(d, 2)), "-3.28");
    EXPECT_EQ(Show(ff::TruncateDigits(d, 7)), "-3.2808300");
    EXPECT_EQ(Show(ff::RoundDigits(d, 3)), "-3.281");
    EXPECT_EQ(Show(ff::RoundDigits({false, "9", "9995"}, 3)), "10.000");
    EXPECT_EQ(Show(ff::RoundDigits({false, "", "0005"}, 3)), ".001");
    EXPECT_EQ(Show(ff::RoundDigits({true, "", "0004"}, 3)), ".000");  // no sign on zero
    EXPECT_EQ(Show(ff::TruncateDigits({true, "", "0009"}, 2)), ".00");
    EXPECT_EQ(Show(ff::RoundDigits({false, "12", ""}, 0)), "12.");
}

TEST(DecimalDigits, ShiftPointMovesThePointWithoutTouchingADigit) {
    EXPECT_EQ(Show(ff::ShiftPoint({false, "1", "005"}, 2)), "100.5");
    EXPECT_EQ(Show(ff::ShiftPoint({false, "12", "5"}, 4)), "125000.");
    EXPECT_EQ(Show(ff::ShiftPoint({true, "", "05"}, 2)), "-5.");
    EXPECT_EQ(Show(ff::ShiftPoint({false, "1234", ""}, -6)), ".001234");
    EXPECT_EQ(Show(ff::ShiftPoint({true, "", "000"}, 3)), ".");  // a zero has no sign
}

TEST(DecimalDigits, AddMagnitudesCarriesAcrossThePoint) {
    EXPECT_EQ(Show(ff::AddMagnitudes({false, "12300", ""}, {false, "4", "5"})), "12304.5");
    EXPECT_EQ(Show(ff::AddMagnitudes({false, "99", "95"}, {false, "", "05"})), "100.00");
    EXPECT_EQ(Show(ff::AddMagnitudes({true, "1", ""}, {false, "", "25"})), "1.25");
    EXPECT_EQ(Show(ff::AddMagnitudes({false, "", ""}, {false, "", ""})), ".");
}

TEST(DecimalDigits, PlainTextHasNoPaddingNoTrailingZerosAndNoExponent) {
    EXPECT_EQ(ff::PlainText({false, "", ""}), "0");
    EXPECT_EQ(ff::PlainText({true, "", "0000"}), "0");
    EXPECT_EQ(ff::PlainText({true, "", "0500"}), "-0.05");
    EXPECT_EQ(ff::PlainText({false, "0012", "500"}), "12.5");
    EXPECT_EQ(ff::PlainText({false, "1200", "00"}), "1200");
    EXPECT_EQ(ff::PlainText({false, "", "00001"}), "0.00001");
    EXPECT_EQ(ff::PlainText({false, "123456789012345678", "25"}), "123456789012345678.25");
}

TEST(RoundToDigits, RoundsTheExactBinaryValue) {
    // 3000 m x 3.2808333333333333 ft/m: the stored factor is a hair below
    // 3.28083..., but the product rounds to the double 9842.5 exactly, which
    // to six places is 9842.500000.
    EXPECT_EQ(Show(ff::RoundToDigits(3000.0 * 3.2808333333333333, 6)), "9842.500000");
    EXPECT_EQ(Show(ff::RoundToDigits(0.0003, 4)), ".0003");
    EXPECT_EQ(Show(ff::RoundToDigits(2.675, 2)), "2.67");  // 2.67499999... in binary
    EXPECT_EQ(Show(ff::RoundToDigits(-0.125, 2)), "-.13");
    EXPECT_EQ(Show(ff::RoundToDigits(-0.001, 2)), ".00");
}

}  // namespace

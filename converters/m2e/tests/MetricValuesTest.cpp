#include <gtest/gtest.h>

#include "converters/m2e/MetricValues.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/ImpliedDecimal.hpp"
#include "testsupport/CaseName.hpp"

namespace m2e = quillon::converters::m2e;
namespace ff = quillon::fixedform;

namespace {

// Hand values use 3.2808333333333333 ft per m (3937/1200) and, for
// millimetres, 0.001 x 3937/1200 x 12 = 0.03937 in per mm.

struct ImpliedCase {
    const char* name;
    const char* field;  // metric field
    int decimalsIn;
    bool millimetres;
    int width, decimals;
    const char* expected;
    const char* working;
};

class ConvertedFieldTable : public ::testing::TestWithParam<ImpliedCase> {};

TEST_P(ConvertedFieldTable, ConvertsAndCutsToTheOutputDecimals) {
    const ImpliedCase& c = GetParam();
    auto read = ff::ReadFwd(c.field, c.decimalsIn);
    ASSERT_TRUE(read.ok());
    double value =
        c.millimetres ? m2e::MillimetresToInches(read.value) : m2e::MetresToFeet(read.value);
    auto text =
        ff::FormatImpliedDecimal(m2e::ConvertedDigits(value, c.decimals), c.width, c.decimals);
    ASSERT_TRUE(text.has_value()) << c.working;
    EXPECT_EQ(*text, c.expected) << c.working;
}

INSTANTIATE_TEST_SUITE_P(
    HandValues, ConvertedFieldTable,
    ::testing::Values(
        ImpliedCase{"MetreCutNotRounded", "  1000", 3, false, 4, 2, "   328",
                    "1 m = 3.280833 ft, cut (not rounded) to 3.28"},
        ImpliedCase{"NegativeBelowOneSignThenBlanks", "  -100", 3, false, 4, 2, "-   32",
                    "-0.1 m = -0.328083 ft: '-', 3 blanks, 32"},
        ImpliedCase{"NegativeWithWholeFoot", "  -500", 3, false, 4, 2, "  -164",
                    "-0.5 m = -1.640416 ft: -1 in 4 columns, 64"},
        ImpliedCase{"ExactFeetThroughBinaryRounding", "  300000000", 5, false, 7, 4, "   98425000",
                    "3000 m = 9842.5 ft exactly; binary 9842.4999.. is rounded to 1e-6 first"},
        ImpliedCase{"FourDecimalsOfFeet", "  125000000", 5, false, 7, 4, "   41010416",
                    "1250 m = 4101.041666 ft"},
        ImpliedCase{"ZeroKeepsItsColumns", "    0", 3, false, 3, 2, "  000",
                    "zero: 0 in 3 columns, 00"},
        ImpliedCase{"NegativeAllZerosUnsigned", "   -1", 5, false, 4, 4, "   00000",
                    "-0.00001 m = -0.0000328 ft, all zeros at 4 decimals: no minus sign"},
        ImpliedCase{"MillimetresToExactInches", "10000", 2, true, 2, 3, " 3937",
                    "100 mm = 3.937 in exactly (binary 3.93699..)"},
        ImpliedCase{"MillimetresToInchesCut", "  1250", 2, true, 3, 3, "  0492",
                    "12.50 mm = 0.492125 in"},
        ImpliedCase{"SmallLengthToThreeDecimals", "  0125", 4, false, 3, 3, "  0041",
                    "0.0125 m = 0.041010 ft"},
        ImpliedCase{"WholeFeet", "   1000", 0, false, 7, 0, "   3280",
                    "1000 m = 3280.8333 ft, whole feet"},
        ImpliedCase{"OneDecimalOfFeet", "    5000", 2, false, 7, 1, "    1640",
                    "50.00 m = 164.041666 ft, one decimal"}),
    quillon::testsupport::CaseName());

TEST(FormatImpliedDecimal, ReportsAnIntegerPartTooWideForItsColumns) {
    // 12345.678 ft in "4,2": the integer part needs 5 columns.
    EXPECT_FALSE(ff::FormatImpliedDecimal({false, "12345", "67"}, 4, 2).has_value());
    EXPECT_EQ(ff::FormatImpliedDecimal({false, "1234", "67"}, 4, 2), "123467");
    // A minus sign counts as a column.
    EXPECT_FALSE(ff::FormatImpliedDecimal({true, "1234", "67"}, 4, 2).has_value());
    EXPECT_EQ(ff::FormatImpliedDecimal({true, "123", "67"}, 4, 2), "-12367");
    EXPECT_EQ(ff::FormatImpliedDecimal({false, "7", ""}, 1, 0), "7");
}

struct SizedCase {
    const char* name;
    double metres;
    const char* expected;
    const char* working;
};

class RadiusTable : public ::testing::TestWithParam<SizedCase> {};

TEST_P(RadiusTable, WritesTheDecimalsThatItsSizeLeavesRoomFor) {
    const SizedCase& c = GetParam();
    EXPECT_EQ(m2e::FormatRadius(m2e::MetresToFeet(c.metres)).value_or("<none>"), c.expected)
        << c.working;
}

INSTANTIATE_TEST_SUITE_P(
    HandValues, RadiusTable,
    ::testing::Values(
        SizedCase{"ThreeDecimalsAboveHundred", 300.0, "984.250",
                  "984.25 ft: above 99.9999, three decimals"},
        SizedCase{"FiveDecimalsBelowTen", 1.0, "3.28083", "3.280833 ft: five decimals"},
        SizedCase{"FourDecimalsAboveTen", 10.0, "32.8083", "32.808333 ft: above 9.99999, four"},
        SizedCase{"TwoDecimalsAboveThousand", 1000.0, "3280.83",
                  "3280.8333 ft: above 999.999, two"},
        SizedCase{"OneDecimalAboveTenThousand", 10000.0, "32808.3",
                  "32808.333 ft: above 9999.99, one"},
        SizedCase{"WholeAboveHundredThousand", 100000.0, " 328083",
                  "328083.33 ft: above 99999.9, whole, no point"},
        SizedCase{"ClampedAbove999999", 400000.0, "999999.", "1312333 ft: above 999999"},
        SizedCase{"TwoDecimalsTrailingZero", 600.0, "1968.50", "1968.5 ft"}),
    quillon::testsupport::CaseName());

TEST(FormatRadius, ANegativeRadiusDoesNotFit) {
    EXPECT_FALSE(m2e::FormatRadius(m2e::MetresToFeet(-300.0)).has_value());  // "-984.250"
}

class TransitionCurveTable : public ::testing::TestWithParam<SizedCase> {};

TEST_P(TransitionCurveTable, WritesFiveColumnsBySize) {
    const SizedCase& c = GetParam();
    EXPECT_EQ(m2e::FormatTransitionCurve(m2e::MetresToFeet(c.metres)).value_or("<none>"),
              c.expected)
        << c.working;
}

INSTANTIATE_TEST_SUITE_P(
    HandValues, TransitionCurveTable,
    ::testing::Values(
        SizedCase{"FourDigitsAndPoint", 3047.0, "9997.",
                  "9996.699 ft: above 999.9, four digits and a point"},
        SizedCase{"OneDecimalAboveHundred", 50.0, "164.0", "164.0416 ft: above 99.99, one decimal"},
        SizedCase{"TwoDecimalsAboveTen", 5.0, "16.40", "16.404166 ft: above 9.999, two"},
        SizedCase{"ThreeDecimalsRounded", 1.0, "3.281", "3.2808333 ft: three, rounded"},
        SizedCase{"NegativeWrittenAsItsSize", -50.0, "164.0",
                  "the engine takes the size: -50 m is written as 50 m"}),
    quillon::testsupport::CaseName());

TEST(FormatFourDecimals, WritesTheFourDecimalsAndRefusesOneOrMore) {
    EXPECT_EQ(m2e::FormatFourDecimals({false, "", "06"}), "0600");  // 0.06
    EXPECT_EQ(m2e::FormatFourDecimals({true, "", "0200"}), "0200");
    EXPECT_EQ(m2e::FormatFourDecimals({false, "", "00005"}), "0001");  // rounded
    EXPECT_FALSE(m2e::FormatFourDecimals({false, "1", "5"}).has_value());
    EXPECT_FALSE(m2e::FormatFourDecimals({false, "", "99995"}).has_value());  // rounds to 1.0000
}

TEST(ParseImpliedDecimal, KeepsTheDigitsWithoutBinaryRounding) {
    auto read = ff::ReadFwdDigits("0003", 4);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value.fraction, "0003");
    EXPECT_FALSE(ff::ReadFwdDigits("1A", 0).ok());
    EXPECT_TRUE(ff::IsBlank("    "));
    EXPECT_FALSE(ff::IsBlank("  0 "));
}

}  // namespace

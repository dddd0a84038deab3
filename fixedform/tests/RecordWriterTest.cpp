#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>
#include <string>

#include "fixedform/RecordWriter.hpp"
#include "testsupport/CaseName.hpp"

namespace ff = quillon::fixedform;

namespace {

struct FCase {
    const char* name;
    double value;
    int width;
    int decimals;
    const char* expected;
};

class FormatFTable : public ::testing::TestWithParam<FCase> {};

TEST_P(FormatFTable, PrintsAsWorkedOutByHand) {
    const FCase& c = GetParam();
    EXPECT_EQ(ff::FormatF(c.value, c.width, c.decimals), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFTable,
    ::testing::Values(FCase{"PositiveToTwoDecimals", 1234.5678, 10, 2, "   1234.57"},
                      FCase{"NegativeToTwoDecimals", -1234.5678, 10, 2, "  -1234.57"},
                      // exact binary ties round away from zero: 0.125 and 2.5 are exact
                      FCase{"TieRoundsAwayFromZero", 0.125, 6, 2, "  0.13"},
                      FCase{"NegativeTieRoundsAwayFromZero", -0.125, 6, 2, " -0.13"},
                      FCase{"TieToNoDecimals", 2.5, 4, 0, "  3."},
                      FCase{"NegativeTieToNoDecimals", -2.5, 4, 0, " -3."},
                      // 0.005 is stored a little above 0.005, 1.005 a little below 1.005
                      FCase{"StoredAboveHalfRoundsUp", 0.005, 5, 2, " 0.01"},
                      FCase{"StoredBelowHalfRoundsDown", 1.005, 5, 2, " 1.00"},
                      // negative zero and values that print as zero carry no minus sign
                      FCase{"NegativeZeroUnsigned", -0.0, 5, 2, " 0.00"},
                      FCase{"NegativePrintingAsZeroUnsigned", -0.004, 5, 2, " 0.00"},
                      // below one: the leading zero goes first when room is short
                      FCase{"BelowOneKeepsLeadingZero", 0.5, 4, 2, "0.50"},
                      FCase{"BelowOneShortDropsLeadingZero", 0.5, 3, 2, ".50"},
                      FCase{"NegativeBelowOneDropsLeadingZero", -0.5, 4, 2, "-.50"},
                      // no room: asterisks, never a wider field
                      FCase{"NegativeWithoutRoomIsAsterisks", -0.5, 3, 2, "***"},
                      FCase{"TooWideIsAsterisks", 12345.6, 7, 2, "*******"},
                      // stored as 99.99500000000000454747: 100.00
                      FCase{"RoundingPastWidthIsAsterisks", 99.995, 5, 2, "*****"},
                      FCase{"RoundingUpToTenFits", 9.9996, 6, 3, "10.000"}),
    quillon::testsupport::CaseName());

TEST(FormatF, NonFiniteValuesPrintAsterisks) {
    EXPECT_EQ(ff::FormatF(std::numeric_limits<double>::quiet_NaN(), 6, 2), "******");
    EXPECT_EQ(ff::FormatF(std::numeric_limits<double>::infinity(), 4, 1), "****");
}

TEST(FormatF, PlusSignAndScale) {
    EXPECT_EQ(ff::FormatF(1.5, 6, 2, ff::PlusSign::Show), " +1.50");
    EXPECT_EQ(ff::FormatF(-0.001, 6, 2, ff::PlusSign::Show), " +0.00");
    EXPECT_EQ(ff::FormatF(0.025, 7, 3, ff::PlusSign::Suppress, 2),
              "  2.500");  // 2P: fraction as percent
}

// kP moves the point of the exact binary value; a binary product would round
// first. 0.010000095 is stored as 0.0100000950000000005113...: times 100 it is
// 1.00000950000000005113..., which rounds up to 1.000010 (the double nearest
// to 0.010000095 x 100 is 1.00000949999999999562...). 9.5e-05 is stored as
// 0.0000950000000000000052...: 2P F6.3 gives 0.0095000...052, so 0.010.
TEST(FormatF, ScaleRoundsTheExactValueNotABinaryProduct) {
    EXPECT_EQ(ff::FormatF(0.010000095, 10, 6, ff::PlusSign::Suppress, 2), "  1.000010");
    EXPECT_EQ(ff::FormatF(9.5e-05, 6, 3, ff::PlusSign::Suppress, 2), " 0.010");
    EXPECT_EQ(ff::FormatF(-9.5e-05, 6, 3, ff::PlusSign::Suppress, 2), "-0.010");
    // a negative scale moves the point to the left: 1234.5 with -2P is 12.345
    EXPECT_EQ(ff::FormatF(1234.5, 7, 3, ff::PlusSign::Suppress, -2), " 12.345");
    EXPECT_EQ(ff::FormatF(0.5, 6, 4, ff::PlusSign::Suppress, -3), "0.0005");
    // values that print as zero or do not fit, whatever the scale
    EXPECT_EQ(ff::FormatF(-0.0, 6, 2, ff::PlusSign::Suppress, 2), "  0.00");
    EXPECT_EQ(ff::FormatF(12.0, 6, 2, ff::PlusSign::Suppress, 3), "******");
    EXPECT_EQ(ff::FormatF(0.0, 6, 2, ff::PlusSign::Suppress, 100000), "  0.00");
    EXPECT_EQ(ff::FormatF(1.0, 6, 2, ff::PlusSign::Suppress, -100000), "  0.00");
}

TEST(FormatI, WidthsMinimumDigitsAndOverflow) {
    EXPECT_EQ(ff::FormatI(42, 4), "  42");
    EXPECT_EQ(ff::FormatI(-42, 3), "-42");
    EXPECT_EQ(ff::FormatI(-42, 2), "**");
    EXPECT_EQ(ff::FormatI(12345, 4), "****");
    EXPECT_EQ(ff::FormatI(7, 3, 2), " 07");  // I3.2
    EXPECT_EQ(ff::FormatI(0, 3, 2), " 00");
    EXPECT_EQ(ff::FormatI(0, 3, 0), "   ");  // I3.0 of zero is blank
    EXPECT_EQ(ff::FormatI(0, 3), "  0");
    EXPECT_EQ(ff::FormatI(-5, 4, 3), "-005");
    EXPECT_EQ(ff::FormatI(5, 3, -1, ff::PlusSign::Show), " +5");
}

// G14.6 worked out from the Gw.d rule: 0.1 <= |x| < 10^6 (after rounding to
// six significant digits) prints F10.(6-k) and four blanks, k the whole
// digits; else E14.6.
TEST(FormatG, FixedFormBetweenATenthAndAMillion) {
    EXPECT_EQ(ff::FormatG(12.5, 14, 6), "   12.5000    ");
    EXPECT_EQ(ff::FormatG(-3.25, 14, 6), "  -3.25000    ");
    EXPECT_EQ(ff::FormatG(0.5, 14, 6), "  0.500000    ");
    EXPECT_EQ(ff::FormatG(123456.4, 14, 6), "   123456.    ");
    EXPECT_EQ(ff::FormatG(0.0, 14, 6), "   0.00000    ");
    // 9.9999996 rounds to 10.0000 with six significant digits: two whole digits
    EXPECT_EQ(ff::FormatG(9.9999996, 14, 6), "   10.0000    ");
    // 0.09999996 rounds up to 0.100000: still the fixed form
    EXPECT_EQ(ff::FormatG(0.09999996, 14, 6), "  0.100000    ");
}

TEST(FormatG, ExponentFormOutsideThatRange) {
    EXPECT_EQ(ff::FormatG(0.05, 14, 6), "  0.500000E-01");
    EXPECT_EQ(ff::FormatG(-0.0123456789, 14, 6), " -0.123457E-01");
    EXPECT_EQ(ff::FormatG(1234567.0, 14, 6), "  0.123457E+07");
    EXPECT_EQ(ff::FormatG(999999.7, 14, 6), "  0.100000E+07");
    EXPECT_EQ(ff::FormatG(1.0e-120, 14, 6), "  0.100000-119");
    EXPECT_EQ(ff::FormatG(std::numeric_limits<double>::quiet_NaN(), 14, 6), "**************");
}

// 0.0999996 has six significant digits of its own: it lies below
// 0.1 - 0.5E-7, so it takes the exponent form, although six decimals would
// round it to 0.100000. 0.09999996 (seven nines) does round to 0.100000.
TEST(FormatG, ValueJustBelowATenthKeepsItsSignificantDigits) {
    EXPECT_EQ(ff::FormatG(0.0999996, 14, 6), "  0.999996E-01");
    EXPECT_EQ(ff::FormatG(-0.0999996, 14, 6), " -0.999996E-01");
    EXPECT_EQ(ff::FormatG(0.09999995, 14, 6), "  0.100000    ");  // stored a hair above
}

TEST(FormatA, CutOrRightJustify) {
    EXPECT_EQ(ff::FormatA("ABCDEF", 3), "ABC");
    EXPECT_EQ(ff::FormatA("AB", 4), "  AB");
    EXPECT_EQ(ff::PadRight("AB", 4), "AB  ");
}

TEST(Record, EditsLeftToRightWithColumnsAndOverwrite) {
    ff::Record r;
    r.X(1).Text("ERROR").Column(26).Text("ERROR").Column(96).Text("ERROR");
    ASSERT_EQ(r.str().size(), 100u);
    EXPECT_EQ(r.str().substr(25, 5), "ERROR");
    EXPECT_EQ(r.str().substr(95, 5), "ERROR");
    EXPECT_EQ(r.str().substr(0, 1), " ");

    ff::Record s;
    s.Text("ABCDEF").Column(3).Text("x").SP().I(3, 3).S().I(3, 2).F(1.25, 5, 1);
    EXPECT_EQ(s.str(), "ABx +3 3  1.3");

    ff::Record longRecord;
    longRecord.Column(500).Text("Z");
    EXPECT_EQ(longRecord.str().size(), 500u);
    EXPECT_EQ(longRecord.NextColumn(), 501);
}

// The in-place writers fill their field and nothing next to it.
TEST(WriteInPlace, FillsExactlyItsFieldOfALargerBuffer) {
    std::string buffer(30, '#');
    std::span<char> all(buffer);
    ff::WriteF(all.subspan(2, 10), -12.34567, 4);
    ff::WriteI(all.subspan(13, 4), 42);
    ff::WriteA(all.subspan(18, 5), "AB");
    ff::WriteF(all.subspan(24, 3), 12345.0, 1);
    EXPECT_EQ(buffer, "##  -12.3457#  42#   AB#***###");
}

// Every count of whole digits, at both sides of each power of ten.
TEST(FormatI, EveryDigitCountAtThePowersOfTen) {
    long long power = 1;
    for (int digits = 1; digits <= 18; ++digits, power *= 10) {
        const std::string exact = std::to_string(power);
        EXPECT_EQ(ff::FormatI(power, 20), std::string(20 - exact.size(), ' ') + exact);
        const std::string below = std::to_string(power - 1);
        EXPECT_EQ(ff::FormatI(power - 1, 20), std::string(20 - below.size(), ' ') + below);
    }
    EXPECT_EQ(ff::FormatI(std::numeric_limits<long long>::min(), 20), "-9223372036854775808");
    EXPECT_EQ(ff::FormatI(std::numeric_limits<long long>::max(), 19), "9223372036854775807");
}

// A record longer than a listing line moves to the heap and keeps what it
// held; a copy is a record of its own.
TEST(Record, GrowsPastALineAndCopiesWhole) {
    ff::Record r;
    r.Text("HEAD").Column(150).Text("MIDDLE").Column(400).F(2.5, 6, 1);
    ff::Record copy = r;
    r.Column(1).Text("XXXX");
    ASSERT_EQ(copy.str().size(), 405u);
    EXPECT_EQ(copy.str().substr(0, 4), "HEAD");
    EXPECT_EQ(copy.str().substr(149, 6), "MIDDLE");
    EXPECT_EQ(copy.str().substr(399), "   2.5");
    EXPECT_EQ(copy.str().substr(4, 145), std::string(145, ' '));
    EXPECT_EQ(r.str().substr(0, 4), "XXXX");
    EXPECT_EQ(r.view().size(), 405u);
}

}  // namespace

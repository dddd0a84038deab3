// Decoding of the 01, 02, 03 and override cards, field by field.
#include <gtest/gtest.h>

#include <cmath>

#include "angles/Angles.hpp"
#include "engine/alignment/AlignmentCardReader.hpp"
#include "engine/alignment/tests/AlignmentCardsTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using aligntest::Card;

TEST(HorizontalCardReader, ImpliedDecimalsOfEveryField) {
    // Digits only, so each field's implied decimals show: F3.0, F2.0, F4.2,
    // F11.4, F2.0, F2.0, F4.2, F6.2, F6.2, F8.4, F7.0, F11.4, F11.4.
    const std::string card = Card({{1, "01L"},
                                   {4, "028"},
                                   {7, "30"},
                                   {9, "1525"},
                                   {13, "00025000000"},
                                   {24, "04"},
                                   {26, "15"},
                                   {28, "0350"},
                                   {32, "020000"},
                                   {38, "015000"},
                                   {44, "-0125000"},
                                   {52, "0001500"},
                                   {59, "00030000000"},
                                   {70, "00030500000"}});
    HorizontalAlignmentCard h;
    FieldFailure failure = ReadHorizontalAlignmentCard(card, h);
    EXPECT_FALSE(failure.failed);
    EXPECT_TRUE(h.present);
    EXPECT_EQ(h.curveDirection, 'L');
    EXPECT_DOUBLE_EQ(h.deltaDegrees, 28.0);
    EXPECT_DOUBLE_EQ(h.deltaMinutes, 30.0);
    EXPECT_DOUBLE_EQ(h.deltaSeconds, 15.25);
    EXPECT_DOUBLE_EQ(h.piStation, 2500.0);
    EXPECT_DOUBLE_EQ(h.degreeDegrees, 4.0);
    EXPECT_DOUBLE_EQ(h.degreeMinutes, 15.0);
    EXPECT_DOUBLE_EQ(h.degreeSeconds, 3.5);
    EXPECT_DOUBLE_EQ(h.inSpiral, 200.0);
    EXPECT_DOUBLE_EQ(h.outSpiral, 150.0);
    EXPECT_DOUBLE_EQ(h.profOffset, -12.5);
    EXPECT_DOUBLE_EQ(h.radius, 1500.0);
    EXPECT_DOUBLE_EQ(h.back, 3000.0);
    EXPECT_DOUBLE_EQ(h.ahead, 3050.0);
}

TEST(HorizontalCardReader, AnglesAreHeldAsAbsoluteValues) {
    HorizontalAlignmentCard h;
    ReadHorizontalAlignmentCard(Card({{1, "01"}, {4, "-28"}, {7, "-5"}, {24, "-4"}}), h);
    EXPECT_DOUBLE_EQ(h.deltaDegrees, 28.0);
    EXPECT_DOUBLE_EQ(h.deltaMinutes, 5.0);
    EXPECT_DOUBLE_EQ(h.degreeDegrees, 4.0);
}

TEST(HorizontalCardReader, ShortCardReadsAsBlanks) {
    HorizontalAlignmentCard h;
    EXPECT_FALSE(ReadHorizontalAlignmentCard("01", h).failed);
    EXPECT_TRUE(h.present);
    EXPECT_EQ(h.curveDirection, ' ');
    EXPECT_EQ(h.piStation, 0.0);
    EXPECT_EQ(h.back, 0.0);
}

TEST(AngleFromDegreesMinutesSeconds, QuarterTurnAndSeconds) {
    // 90 degrees is pi/2; 0 00 36 is 0.01 degree.
    EXPECT_DOUBLE_EQ(angles::AngleFromDegreesMinutesSeconds(90, 0, 0), 1.5707963267948966);
    EXPECT_NEAR(angles::AngleFromDegreesMinutesSeconds(0, 0, 36), 0.01 * M_PI / 180.0, 1e-15);
    EXPECT_NEAR(angles::AngleFromDegreesMinutesSeconds(-28, 30, -0), 28.5 * M_PI / 180.0, 1e-15);
}

// The first failing field is named with its columns; the other fields are
// still read.
struct FailureCase {
    const char* name;
    std::string card;
    int first;
    int last;
    const char* field;
};

class HorizontalCardFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(HorizontalCardFailure, NamesTheFirstBadField) {
    const FailureCase& c = GetParam();
    HorizontalAlignmentCard h;
    FieldFailure failure = ReadHorizontalAlignmentCard(c.card, h);
    ASSERT_TRUE(failure.failed);
    EXPECT_EQ(failure.firstColumn, c.first);
    EXPECT_EQ(failure.lastColumn, c.last);
    EXPECT_EQ(failure.name, c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, HorizontalCardFailure,
    ::testing::Values(
        FailureCase{"DeltaDegrees", Card({{1, "01"}, {4, "2X8"}}), 4, 6, "DELTA DEGREES"},
        FailureCase{"PIStationFirstOfTwo", Card({{1, "01"}, {13, "25+00"}, {59, "ABC"}}), 13, 23,
                    "PI STATION"},
        FailureCase{"Radius", Card({{1, "01"}, {52, "1.5.0"}}), 52, 58, "RADIUS"},
        FailureCase{"AheadStation", Card({{1, "01"}, {70, "3050 X"}}), 70, 80, "AHEAD STATION"}),
    quillon::testsupport::CaseName());

TEST(HorizontalCardFailure, OtherFieldsStillReadAndTheBadOneIsZero) {
    HorizontalAlignmentCard h;
    FieldFailure failure =
        ReadHorizontalAlignmentCard(Card({{1, "01"}, {4, "28."}, {13, "25+00"}, {52, "1500."}}), h);
    ASSERT_TRUE(failure.failed);
    EXPECT_EQ(h.piStation, 0.0);
    EXPECT_EQ(h.deltaDegrees, 28.0);
    EXPECT_EQ(h.radius, 1500.0);
    EXPECT_EQ(FieldFailureText(failure), "INVALID NUMBER IN COLUMNS 13-23 (PI STATION)");
}

TEST(VerticalCardReader, GradesArePercentsHeldAsFractions) {
    // Grade in "2500000" (F9.6, 2P): 2.5 percent = 0.025; grade out "-1.25" punched.
    const std::string card = Card({{1, "02"},
                                   {3, "  2500000"},
                                   {12, "030000"},
                                   {18, "000125000"},
                                   {27, "006205000"},
                                   {36, "040000"},
                                   {42, "020000"},
                                   {48, "1600.00"},
                                   {57, "615.6250"},
                                   {66, "025000"},
                                   {72, "-1.25"}});
    VerticalAlignmentCard v;
    EXPECT_FALSE(ReadVerticalAlignmentCard(card, v).failed);
    EXPECT_TRUE(v.gradeInGiven);
    EXPECT_DOUBLE_EQ(v.gradeIn, 0.025);
    EXPECT_TRUE(v.gradeOutGiven);
    EXPECT_DOUBLE_EQ(v.gradeOut, -0.0125);
    EXPECT_TRUE(v.pi1Given);
    EXPECT_DOUBLE_EQ(v.piSta1, 1250.0);
    EXPECT_DOUBLE_EQ(v.piElev1, 620.5);
    EXPECT_DOUBLE_EQ(v.inLength1, 300.0);
    EXPECT_DOUBLE_EQ(v.outLength1, 400.0);
    EXPECT_TRUE(v.pi2Given);
    EXPECT_DOUBLE_EQ(v.piSta2, 1600.0);
    EXPECT_DOUBLE_EQ(v.piElev2, 615.625);
    EXPECT_DOUBLE_EQ(v.inLength2, 200.0);
    EXPECT_DOUBLE_EQ(v.outLength2, 250.0);
    EXPECT_EQ(v.piSta1Text, "000125000 ");
    EXPECT_EQ(v.piSta2Text, "1600.00   ");
}

TEST(VerticalCardReader, BlankGradesAndStationsAreNotGiven) {
    VerticalAlignmentCard v;
    EXPECT_FALSE(ReadVerticalAlignmentCard(Card({{1, "02"}, {48, "1600."}}), v).failed);
    EXPECT_FALSE(v.gradeInGiven);
    EXPECT_FALSE(v.gradeOutGiven);
    EXPECT_FALSE(v.pi1Given);
    EXPECT_TRUE(v.pi2Given);
    EXPECT_EQ(v.piSta1Text, std::string(10, ' '));
}

TEST(VerticalCardReader, OneCurveLengthServesBothSides) {
    // PI 1: only the length before (300); PI 2: only the length after (-200,
    // whose absolute value serves before it).
    VerticalAlignmentCard v;
    ReadVerticalAlignmentCard(Card({{1, "02"}, {12, "300."}, {66, "-200."}}), v);
    EXPECT_DOUBLE_EQ(v.inLength1, 300.0);
    EXPECT_DOUBLE_EQ(v.outLength1, 300.0);
    EXPECT_DOUBLE_EQ(v.inLength2, 200.0);
    EXPECT_DOUBLE_EQ(v.outLength2, 200.0);
}

TEST(VerticalCardReader, BadGradeIsNamed) {
    VerticalAlignmentCard v;
    FieldFailure failure = ReadVerticalAlignmentCard(Card({{1, "02"}, {3, "2.5%"}}), v);
    ASSERT_TRUE(failure.failed);
    EXPECT_EQ(FieldFailureText(failure), "INVALID NUMBER IN COLUMNS 3-11 (GRADE IN)");
}

struct CrownCase {
    const char* name;
    char column3;
    int code;
};

class CrownCodeTable : public ::testing::TestWithParam<CrownCase> {};

TEST_P(CrownCodeTable, FromColumnThree) {
    EXPECT_EQ(CrownCodeOf(GetParam().column3), GetParam().code) << GetParam().column3;
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CrownCodeTable,
    ::testing::Values(CrownCase{"UpperAIsOne", 'A', 1}, CrownCase{"LowerAIsOne", 'a', 1},
                      CrownCase{"DigitOne", '1', 1}, CrownCase{"UpperBIsTwo", 'B', 2},
                      CrownCase{"LowerBIsTwo", 'b', 2}, CrownCase{"DigitTwo", '2', 2},
                      CrownCase{"UpperCIsThree", 'C', 3}, CrownCase{"LowerCIsThree", 'c', 3},
                      CrownCase{"DigitThree", '3', 3}, CrownCase{"UpperDIsFour", 'D', 4},
                      CrownCase{"LowerDIsFour", 'd', 4}, CrownCase{"DigitFour", '4', 4},
                      CrownCase{"BlankIsFive", ' ', 5}, CrownCase{"LetterPIsFive", 'P', 5},
                      CrownCase{"LetterEIsFive", 'E', 5}, CrownCase{"DigitFive", '5', 5},
                      CrownCase{"DigitZeroIsFive", '0', 5}, CrownCase{"MinusIsFive", '-', 5}),
    quillon::testsupport::CaseName());

TEST(CrossSlopeCardReader, FieldsAndDefaults) {
    const std::string card = Card({{1, "03B"},
                                   {4, "-0200"},
                                   {9, "0600"},
                                   {13, "-0120000"},
                                   {26, "15000"},
                                   {41, "12000"},
                                   {51, "-3000"},
                                   {56, "X"},
                                   {57, "000240000"},
                                   {66, "03000"},
                                   {71, "-0200"},
                                   {76, " 0250"}});
    CrossSlopeCard c;
    EXPECT_FALSE(ReadCrossSlopeCard(card, c).failed);
    EXPECT_EQ(c.crownCode, 2);
    EXPECT_DOUBLE_EQ(c.crossSlope, 0.02);  // absolute value
    EXPECT_TRUE(c.superRateGiven);
    EXPECT_DOUBLE_EQ(c.superRate, 0.06);
    EXPECT_DOUBLE_EQ(c.pivotOffset, 12.0);  // made positive
    EXPECT_EQ(c.pivotSide, "LEFT      ");
    EXPECT_DOUBLE_EQ(c.inTransLength, 150.0);
    EXPECT_DOUBLE_EQ(c.inTransPer, 0.6);  // blank: 60 percent
    EXPECT_DOUBLE_EQ(c.outTransLength, 120.0);
    EXPECT_DOUBLE_EQ(c.outTransPer, 0.6);
    EXPECT_DOUBLE_EQ(c.maxTransVC, 3.0);  // F5.3 "-3000": -3.0, absolute value
    EXPECT_EQ(c.vcLengthFlag, 'X');
    EXPECT_DOUBLE_EQ(c.crownWidth, 24.0);
    EXPECT_DOUBLE_EQ(c.crownHeight, 3.0);
    EXPECT_DOUBLE_EQ(c.crownLeft, -0.02);
    EXPECT_DOUBLE_EQ(c.crownRight, 0.025);
}

TEST(CrossSlopeCardReader, SuperelevationRate) {
    CrossSlopeCard c;
    ReadCrossSlopeCard(Card({{1, "03C"}}), c);
    EXPECT_FALSE(c.superRateGiven);  // blank: no superelevation
    ReadCrossSlopeCard(Card({{1, "03C"}, {9, "0000"}}), c);
    EXPECT_TRUE(c.superRateGiven);
    EXPECT_EQ(c.superRate, 0.0);
    // Blanks are dropped here, not read as zeros: "600 " is 600 with four
    // implied decimals, 0.06 (as zeros it would be 6000, 0.6).
    ReadCrossSlopeCard(Card({{1, "03C"}, {9, "600 "}}), c);
    EXPECT_DOUBLE_EQ(c.superRate, 0.06);
    ReadCrossSlopeCard(Card({{1, "03C"}, {9, "-.08"}}), c);
    EXPECT_DOUBLE_EQ(c.superRate, 0.08);
}

TEST(CrossSlopeCardReader, TransitionPercentsAndMaximumVerticalCurve) {
    CrossSlopeCard c;
    // " 5000" is F5.2 50.00 percent: 0.5.
    ReadCrossSlopeCard(Card({{1, "03C"}, {31, " 5000"}, {46, " 7500"}}), c);
    EXPECT_DOUBLE_EQ(c.inTransPer, 0.5);
    EXPECT_DOUBLE_EQ(c.outTransPer, 0.75);
    EXPECT_DOUBLE_EQ(c.maxTransVC, 50.0);  // blank
    ReadCrossSlopeCard(Card({{1, "03C"}, {51, "30000"}}), c);
    EXPECT_DOUBLE_EQ(c.maxTransVC, 30.0);
    // The parabolic crown does not read it.
    ReadCrossSlopeCard(Card({{1, "03P"}, {51, "30000"}}), c);
    EXPECT_EQ(c.crownCode, 5);
    EXPECT_DOUBLE_EQ(c.maxTransVC, 50.0);
}

TEST(CrossSlopeCardReader, PivotSides) {
    CrossSlopeCard c;
    ReadCrossSlopeCard(Card({{1, "03A"}, {13, "6."}}), c);
    EXPECT_EQ(c.pivotSide, "RIGHT     ");
    EXPECT_DOUBLE_EQ(c.pivotOffset, 6.0);
    ReadCrossSlopeCard(Card({{1, "03A"}}), c);
    EXPECT_EQ(c.pivotSide, std::string(10, ' '));
}

TEST(CrossSlopeCardReader, BadFieldIsNamed) {
    CrossSlopeCard c;
    FieldFailure failure = ReadCrossSlopeCard(Card({{1, "03C"}, {4, "2%"}}), c);
    ASSERT_TRUE(failure.failed);
    EXPECT_EQ(FieldFailureText(failure), "INVALID NUMBER IN COLUMNS 4-8 (NORMAL CROSS SLOPE)");
    failure = ReadCrossSlopeCard(Card({{1, "03C"}, {31, "6O"}}), c);
    EXPECT_EQ(FieldFailureText(failure),
              "INVALID NUMBER IN COLUMNS 31-35 (ENTERING TRANSITION PERCENT)");
}

TEST(OverrideCardReader, StationAndSlopes) {
    CrossSlopeOverrideRow row;
    EXPECT_FALSE(ReadCrossSlopeOverrideCard(
                     Card({{1, "03"}, {3, "   308000"}, {12, " -200"}, {17, " -300"}}), row)
                     .failed);
    EXPECT_DOUBLE_EQ(row.station, 3080.0);
    EXPECT_EQ(row.leftText, " -200     ");
    EXPECT_DOUBLE_EQ(row.left, -0.02);
    EXPECT_DOUBLE_EQ(row.right, -0.03);

    EXPECT_FALSE(
        ReadCrossSlopeOverrideCard(Card({{1, "03"}, {3, "3100."}, {17, ".04"}}), row).failed);
    EXPECT_EQ(row.leftText, std::string(10, ' '));
    EXPECT_EQ(row.left, 0.0);
    EXPECT_DOUBLE_EQ(row.right, 0.04);

    FieldFailure failure = ReadCrossSlopeOverrideCard(Card({{1, "03"}, {3, "31+00"}}), row);
    EXPECT_EQ(FieldFailureText(failure), "INVALID NUMBER IN COLUMNS 3-11 (OVERRIDE STATION)");
}

}  // namespace
}  // namespace quillon::engine

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "editor/deck/CardFieldConversions.hpp"
#include "testsupport/CaseName.hpp"

namespace ed = quillon::editor;

namespace {

enum class Op { Number, Blank, Station, AngleText, AngleField, NumberField };

struct ConversionCase {
    const char* name;
    Op op;
    std::string input;
    int width;     // NumberField: the field width; AngleText, AngleField: degree digits
    int decimals;  // implied decimals, or second decimals of an angle
    bool metric;
    ed::Point point;
    std::string expected;  // Number: the number text; Blank: "true" / "false"
    ed::FieldFault fault = ed::FieldFault::None;
};

constexpr auto I = ed::Point::Implied;
constexpr auto P = ed::Point::Punched;
constexpr bool E = false;  // English deck
constexpr bool M = true;   // metric deck
const std::string kDeg(1, ed::kDegreeSign);

class Conversions : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversions, GiveTheWorkedText) {
    const ConversionCase& c = GetParam();
    switch (c.op) {
        case Op::Number:
            EXPECT_EQ(ed::CardNumberText(c.input, c.decimals), c.expected);
            EXPECT_EQ(ed::ParseCardNumber(c.input, c.decimals),
                      std::strtod(c.expected.c_str(), nullptr));
            break;
        case Op::Blank:
            EXPECT_EQ(ed::IsBlankField(c.input), c.expected == "true");
            break;
        case Op::Station:
            EXPECT_EQ(ed::FormatStationText(c.input, c.decimals, c.metric), c.expected);
            break;
        case Op::AngleText:
            EXPECT_EQ(ed::FormatAngleText(c.input, c.width, c.decimals), c.expected);
            break;
        case Op::AngleField: {
            ed::WrittenField field = ed::FormatAngleField(c.input, c.width, c.decimals);
            EXPECT_EQ(field.text, c.expected);
            EXPECT_EQ(field.fault, c.fault);
            break;
        }
        case Op::NumberField: {
            ed::WrittenField field =
                ed::FormatNumberField(c.input, c.width, c.decimals, c.point, c.metric);
            EXPECT_EQ(field.text, c.expected);
            EXPECT_EQ(field.fault, c.fault);
            break;
        }
    }
}

// The edge cases of the field conversions, then the cases of faults they once
// had; values
// worked by hand from the digits (implied decimals move the point, k = 2
// remainder digits in an English deck and 3 in a metric one).
INSTANTIATE_TEST_SUITE_P(
    Table, Conversions,
    ::testing::Values(
        ConversionCase{"BlankFieldIsZero", Op::Number, "      ", 0, 2, E, I, "0"},
        ConversionCase{"ImpliedDecimals", Op::Number, "  1234", 0, 2, E, I, "12.34"},
        ConversionCase{"TrailingBlanksAreZeroDigits", Op::Number, "12  ", 0, 2, E, I, "12"},
        ConversionCase{"NegativeImplied", Op::Number, "-123", 0, 1, E, I, "-12.3"},
        ConversionCase{"PunchedPointWins", Op::Number, " 12.5", 0, 3, E, I, "12.5"},
        ConversionCase{"LonePlusIsZero", Op::Number, "+", 0, 0, E, I, "0"},
        ConversionCase{"LoneMinusIsZero", Op::Number, "-", 0, 0, E, I, "0"},
        ConversionCase{"BlankBetweenDigitsIsZero", Op::Number, "1 2", 0, 0, E, I, "0"},
        ConversionCase{"LettersAreZero", Op::Number, "AB", 0, 0, E, I, "0"},
        ConversionCase{"ExponentIsNotANumber", Op::Number, "  1E3", 0, 0, E, I, "0"},
        ConversionCase{"SeparatorIsNotANumber", Op::Number, " 1,5", 0, 0, E, I, "0"},
        ConversionCase{"TrailingSignIsASign", Op::Number, " 12-", 0, 2, E, I, "-0.12"},
        ConversionCase{"MetricProfileOffsetKeepsItsDigits", Op::Number, "  000001", 0, 5, M, I,
                       "0.00001"},
        ConversionCase{"GradeAsPercent", Op::Number, "  2500000", 0, 6, E, I, "2.5"},
        ConversionCase{"EmptyIsBlank", Op::Blank, "", 0, 0, E, I, "true"},
        ConversionCase{"BlanksAreBlank", Op::Blank, "   ", 0, 0, E, I, "true"},
        ConversionCase{"ZeroIsNotBlank", Op::Blank, "  0", 0, 0, E, I, "false"},
        ConversionCase{"TwentyBlanksAreBlank", Op::Blank, std::string(20, ' '), 0, 0, E, I, "true"},
        ConversionCase{"TwentyOneBlanksAreNotBlank", Op::Blank, std::string(21, ' '), 0, 0, E, I,
                       "false"},
        ConversionCase{"EnglishStation", Op::Station, "  1234567", 0, 2, E, I, "123+45.67"},
        ConversionCase{"MetricStation", Op::Station, " 12345678", 0, 3, M, I, "12+345.678"},
        ConversionCase{"StationBelowOneStation", Op::Station, "      567", 0, 2, E, I, "0+05.67"},
        ConversionCase{"StationWithoutDecimals", Op::Station, "  12345", 0, 0, E, I, "123+45.0"},
        ConversionCase{"MetricStationWithoutDecimals", Op::Station, "   1234", 0, 0, M, I,
                       "1+234.0"},
        ConversionCase{"BlankStationIsEmpty", Op::Station, "         ", 0, 2, E, I, ""},
        ConversionCase{"NegativeStationKeepsItsSign", Op::Station, "    -5000", 0, 2, E, I,
                       "-0+50.00"},
        ConversionCase{"StationHonoursAPunchedPoint", Op::Station, " 12345.67", 0, 2, E, I,
                       "123+45.67"},
        ConversionCase{"StationShowsPunchedDecimalsBeyondItsOwn", Op::Station, "1234.5678", 0, 2, E,
                       I, "12+34.5678"},
        ConversionCase{"AngleTextThreeDegreeDigits", Op::AngleText, "012345678", 3, 2, E, I,
                       "12" + kDeg + " 34' 56.78\""},
        ConversionCase{"AngleTextTwoDegreeDigits", Op::AngleText, " 5 0 000", 2, 2, E, I,
                       "5" + kDeg + " 0' 0.00\""},
        ConversionCase{"BlankAngleTextIsZero", Op::AngleText, "        ", 2, 2, E, I,
                       "0" + kDeg + " 0' 0.00\""},
        ConversionCase{"AngleFieldThreeDegreeColumns", Op::AngleField, "12" + kDeg + " 34' 56.78\"",
                       3, 2, E, I, " 12345678"},
        ConversionCase{"AngleFieldTwoDegreeColumns", Op::AngleField, "5" + kDeg + " 0' 0.00\"", 2,
                       2, E, I, " 5 0 000"},
        ConversionCase{"EmptyAngleIsZero", Op::AngleField, "", 3, 2, E, I, "  0 0 000"},
        ConversionCase{"OneDigitMinutesCount", Op::AngleField, "12 3", 3, 2, E, I, " 12 3 000"},
        ConversionCase{"SecondsWithoutPointAreWhole", Op::AngleField, "12 34 56", 3, 2, E, I,
                       " 12345600"},
        ConversionCase{"AnglePartsSplitOnRunsOfBlanks", Op::AngleField, "  12   34  56.5 ", 3, 2, E,
                       I, " 12345650"},
        ConversionCase{"SecondsOfOneHundredDoNotFit", Op::AngleField, "0 0 100", 3, 2, E, I,
                       "         ", ed::FieldFault::TooWide},
        ConversionCase{"DegreesWithDecimals", Op::AngleField, "12.5 0 0", 3, 2, E, I, "         ",
                       ed::FieldFault::NotWhole},
        ConversionCase{"MinutesWithDecimals", Op::AngleField, "12 30.5", 2, 2, E, I, "        ",
                       ed::FieldFault::NotWhole},
        ConversionCase{"DegreesTooWide", Op::AngleField, "100 0 0", 2, 2, E, I, "        ",
                       ed::FieldFault::TooWide},
        ConversionCase{"FourPartsAreNoAngle", Op::AngleField, "1 2 3 4", 3, 2, E, I, "         ",
                       ed::FieldFault::NotAnAngle},
        ConversionCase{"LettersAreNoAngle", Op::AngleField, "ab", 3, 2, E, I, "         ",
                       ed::FieldFault::NotANumber},
        ConversionCase{"ImpliedFourDecimals", Op::NumberField, "12.5", 8, 4, E, I, "  125000"},
        ConversionCase{"LeadingZeroBelowOne", Op::NumberField, "0.5", 8, 4, E, I, "   05000"},
        ConversionCase{"ZeroHasDecimalsPlusOneDigits", Op::NumberField, "0", 5, 2, E, I, "  000"},
        ConversionCase{"NegativeHasDecimalsDigits", Op::NumberField, "-0.05", 6, 2, E, I, "   -05"},
        ConversionCase{"StationTextLosesItsPlus", Op::NumberField, "123+45.67", 9, 2, E, I,
                       "  1234567"},
        ConversionCase{"PunchedPoint", Op::NumberField, "1234.567", 7, 2, E, P, "1234.57"},
        ConversionCase{"EmptyTextIsBlank", Op::NumberField, "", 6, 3, E, I, "      "},
        ConversionCase{"BlankTextIsBlank", Op::NumberField, "   ", 6, 3, E, I, "      "},
        ConversionCase{"LettersAreNotANumber", Op::NumberField, "abc", 6, 3, E, I, "      ",
                       ed::FieldFault::NotANumber},
        ConversionCase{"BlanksAroundANumberAreCut", Op::NumberField, "12 ", 6, 0, E, I, "    12"},
        ConversionCase{"HalfRoundsAwayFromZeroExactly", Op::NumberField, "1.005", 5, 2, E, I,
                       "  101"},
        ConversionCase{"NegativeHalfRoundsAwayFromZero", Op::NumberField, "-1.005", 5, 2, E, I,
                       " -101"},
        ConversionCase{"StationRemainderIsAddedToWholeStations", Op::NumberField, "123+4.5", 9, 2,
                       E, I, "  1230450"},
        ConversionCase{"NegativeStationBelowOneStation", Op::NumberField, "-0+50.00", 9, 2, E, I,
                       "    -5000"},
        ConversionCase{"MetricStationHasThreeRemainderDigits", Op::NumberField, "12+345.678", 9, 3,
                       M, I, " 12345678"},
        ConversionCase{"StationWithSignedRemainder", Op::NumberField, "12+-5", 9, 2, E, I,
                       "         ", ed::FieldFault::NotANumber},
        ConversionCase{"MetricProfileOffset", Op::NumberField, "0.00001", 8, 5, M, I, "  000001"},
        ConversionCase{"RadiusDropsDecimalsToFit", Op::NumberField, "11459.16", 7, 2, E, P,
                       "11459.2"},
        ConversionCase{"RadiusOfZero", Op::NumberField, "0", 7, 2, E, P, "   0.00"},
        ConversionCase{"RadiusWithTwoDecimals", Op::NumberField, "716.2", 7, 2, E, P, " 716.20"},
        ConversionCase{"RadiusTooWideEvenWhole", Op::NumberField, "123456789", 7, 2, E, P,
                       "       ", ed::FieldFault::TooWide},
        ConversionCase{"MetricTransitionOfOneHundredMetres", Op::NumberField, "100", 5, 3, M, I,
                       "     ", ed::FieldFault::TooWide},
        ConversionCase{"TrailingMinusIsASign", Op::NumberField, "12-", 5, 0, E, I, "  -12"},
        ConversionCase{"TrailingPlusIsASign", Op::NumberField, "12+", 5, 0, E, I, "   12"},
        ConversionCase{"TypedExponentIsNotANumber", Op::NumberField, "1E3", 5, 0, E, I, "     ",
                       ed::FieldFault::NotANumber},
        ConversionCase{"LoneSignIsNotANumber", Op::NumberField, "-", 3, 0, E, I, "   ",
                       ed::FieldFault::NotANumber},
        ConversionCase{"TinyNegativeRoundsToUnsignedZero", Op::NumberField, "-0.001", 5, 2, E, I,
                       "  000"}),
    quillon::testsupport::CaseName());

}  // namespace

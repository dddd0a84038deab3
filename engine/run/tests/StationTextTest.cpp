// Station and angle texts of the listing. Every expected text is worked out
// by hand from the value: the station is written F17.4, cut into whole units,
// "+" and the rest, then the leading-zero and zero-fill steps are applied.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "engine/run/StationText.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

constexpr double kFeetPerSurveyMetre = 3937.0 / 1200.0;

RunState EnglishState() { return RunState(EngineVariant::English); }

RunState MetricState() {
    RunState state(EngineVariant::Metric);
    state.units = {'\'', 'm'};
    return state;
}

// The 13 characters that carry the value, after checking the two texts'
// widths and the 7 blanks that close the second.
std::string Shown(const TextPair& texts) {
    EXPECT_EQ(texts.first.size(), 10u);
    EXPECT_EQ(texts.second.size(), 10u);
    EXPECT_EQ(texts.second.substr(3), std::string(7, ' '));
    return texts.first + texts.second.substr(0, 3);
}

std::string EnglishStation(double feet) {
    return Shown(MakeStationText(EnglishState(), Stationing{}, feet));
}

std::string MetricStation(double feet) {
    return Shown(MakeStationText(MetricState(), Stationing{}, feet));
}

struct StationCase {
    const char* name;
    double value;
    const char* text;
};

class EnglishStationText : public ::testing::TestWithParam<StationCase> {};

TEST_P(EnglishStationText, Prints) {
    EXPECT_EQ(EnglishStation(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Feet, EnglishStationText,
                         ::testing::Values(
                             // F17.4 "       12345.6789": characters 6-10 "  123", 11-17 "45.6789".
                             StationCase{"Ordinary", 12345.6789, "  123+45.6789"},
                             StationCase{"FourStationDigits", 123456.78, " 1234+56.7800"},
                             // Below one station: "     + 5.2500" gets its zeros at 5 and 7.
                             StationCase{"BelowOneStationGetsZeros", 5.25, "    0+05.2500"},
                             StationCase{"BelowOneFoot", 0.5, "    0+00.5000"},
                             StationCase{"JustBelowTheCarry", 99.99994, "    0+99.9999"},
                             // 99.99996 rounds to 100.0000: the carry reaches the station digit.
                             StationCase{"CarryIntoTheStationDigit", 99.99996, "    1+00.0000"},
                             StationCase{"LargestPrintable", 9999999.9999, "99999+99.9999"},
                             // Stations in the millions: characters 2-4 blanked while they are
                             // zeros, so an equation number stands alone in character 1.
                             StationCase{"MillionsEquationNumberStandsAlone", 1001020.0,
                                         "1  10+20.0000"},
                             StationCase{"MillionsAtStationZero", 1000020.0, "1   0+20.0000"},
                             StationCase{"MillionsWithAllDigits", 1234567.0, "12345+67.0000"},
                             // Zero and negative texts at their thresholds.
                             StationCase{"TinyPositiveIsZero", 0.00003, "    0+00.0000"},
                             StationCase{"ZeroTextAtThreshold", 0.00004, "    0+00.0000"},
                             // past the zero text: F17.4 rounds up
                             StationCase{"PastTheZeroTextRoundsUp", 0.00006, "    0+00.0001"},
                             StationCase{"Zero", 0.0, "    0+00.0000"},
                             StationCase{"TinyNegativeIsZero", -0.00004, "    0+00.0000"},
                             StationCase{"NegativeAtThreshold", -0.00005, "   *NEGATIVE*"},
                             StationCase{"SmallNegative", -0.0001, "   *NEGATIVE*"},
                             StationCase{"Negative", -1234.0, "   *NEGATIVE*"},
                             // Overflow at the limit, and wherever the whole part needs a
                             // sixth station digit that the text cannot show.
                             StationCase{"OverflowAtTheLimit", 10999900.0, "   *OVERFLOW*"},
                             StationCase{"OverflowAboveTheLimit", 11000000.0, "   *OVERFLOW*"},
                             StationCase{"OverflowSixthStationDigit", 10000000.0, "   *OVERFLOW*"},
                             StationCase{"OverflowJustBelowTheLimit", 10999899.99, "   *OVERFLOW*"},
                             // rounds to 10000000.0000
                             StationCase{"OverflowByRounding", 9999999.99996, "   *OVERFLOW*"}),
                         quillon::testsupport::CaseName());

class MetricStationText : public ::testing::TestWithParam<StationCase> {};

// Values in metres; the station passed is in feet (3937/1200 ft a metre).
TEST_P(MetricStationText, Prints) {
    const double metres = GetParam().value;
    EXPECT_EQ(MetricStation(metres * kFeetPerSurveyMetre), GetParam().text) << metres;
}

INSTANTIATE_TEST_SUITE_P(Metres, MetricStationText,
                         ::testing::Values(
                             // F17.4 "        1234.5678": characters 6-9 "   1", 10-17 "234.5678".
                             StationCase{"Ordinary", 1234.5678, "   1+234.5678"},
                             // Below one kilometre: "    + 34.5678" gets zeros at 4 and 6.
                             StationCase{"BelowOneKilometreGetsZeros", 34.5678, "   0+034.5678"},
                             StationCase{"BelowTenMetres", 5.25, "   0+005.2500"},
                             StationCase{"BelowOneMetre", 0.5, "   0+000.5000"},
                             StationCase{"JustBelowTheCarry", 999.99994, "   0+999.9999"},
                             // carry into the hundreds of metres
                             StationCase{"CarryIntoTheHundreds", 99.99996, "   0+100.0000"},
                             StationCase{"CarryIntoTheKilometre", 999.99996, "   1+000.0000"},
                             StationCase{"ThousandsOfKilometres", 1234567.8912, "1234+567.8912"},
                             // The equation-number display: 1,001,020 m is 1 km 20 m past
                             // equation 1; 1,000,020 m is 20 m past it.
                             StationCase{"EquationNumberStandsAlone", 1001020.0, "1  1+020.0000"},
                             StationCase{"EquationNumberAtKilometreZero", 1000020.0,
                                         "1  0+020.0000"}),
                         quillon::testsupport::CaseName());

TEST(MetricStationText, SpecialTextsAreTestedInFeet) {
    EXPECT_EQ(MetricStation(0.00003), "    +000.0000");
    EXPECT_EQ(MetricStation(0.00004), "    +000.0000");
    EXPECT_EQ(MetricStation(-0.00004), "    +000.0000");
    // 0.00006 ft is 0.0000183 m: the ordinary text, rounded to zero.
    EXPECT_EQ(MetricStation(0.00006), "   0+000.0000");
    EXPECT_EQ(MetricStation(-0.00005), "   *NEGATIVE*");
    EXPECT_EQ(MetricStation(-0.0001), "   *NEGATIVE*");
    EXPECT_EQ(MetricStation(10999900.0), "   *OVERFLOW*");
    EXPECT_EQ(MetricStation(11000000.0), "   *OVERFLOW*");
    // Just below the limit: 10999899.99 ft x 1200/3937 = 3352776.22250... m.
    EXPECT_EQ(MetricStation(10999899.99), "3352+776.2225");
}

TEST(StationText, SpecialTextsAreSplitAtCharacterTen) {
    const TextPair overflow = MakeStationText(EnglishState(), Stationing{}, 11000000.0);
    EXPECT_EQ(overflow.first, "   *OVERFL");
    EXPECT_EQ(overflow.second, "OW*       ");
    const TextPair negative = MakeStationText(MetricState(), Stationing{}, -0.0001);
    EXPECT_EQ(negative.first, "   *NEGATI");
    EXPECT_EQ(negative.second, "VE*       ");
    const TextPair englishZero = MakeStationText(EnglishState(), Stationing{}, 0.00003);
    EXPECT_EQ(englishZero.first, "    0+00.0");
    EXPECT_EQ(englishZero.second, "000       ");
    const TextPair metricZero = MakeStationText(MetricState(), Stationing{}, 0.00003);
    EXPECT_EQ(metricZero.first, "    +000.0");
    EXPECT_EQ(metricZero.second, "000       ");
}

TEST(StationText, NotANumberPrintsTheOverflowText) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(EnglishStation(nan), "   *OVERFLOW*");
    EXPECT_EQ(MetricStation(nan), "   *OVERFLOW*");
    EXPECT_EQ(EnglishStation(std::numeric_limits<double>::infinity()), "   *OVERFLOW*");
    EXPECT_EQ(EnglishStation(-std::numeric_limits<double>::infinity()), "   *NEGATIVE*");
}

TEST(StationText, AddsTheOriginStation) {
    Stationing stationing;
    stationing.originStation = 1200.0;
    // 1200 + 34.5 = 1234.5 ft.
    EXPECT_EQ(Shown(MakeStationText(EnglishState(), stationing, 34.5)), "   12+34.5000");
    // A distance before the origin still prints its station.
    EXPECT_EQ(Shown(MakeStationText(EnglishState(), stationing, -200.0)), "   10+00.0000");
}

// A gap of 50 ft at 1000 and a later one of 100 ft at 2000 (switch
// positions in the stationing without equations).
Stationing TwoEquations() {
    Stationing stationing;
    stationing.originStation = 500.0;
    stationing.equations = {{1000.0, 50.0, 1000.0, 50.0}, {2000.0, 100.0, 2000.0, 100.0}};
    return stationing;
}

TEST(StationText, AppliesEachEquationWhosePositionIsReached) {
    const Stationing stationing = TwoEquations();
    const RunState state = EnglishState();
    // 500 + 400 = 900: before both.
    EXPECT_EQ(Shown(MakeStationText(state, stationing, 400.0)), "    9+00.0000");
    // 500 + 500 = 1000: at the first switch, + 50.
    EXPECT_EQ(Shown(MakeStationText(state, stationing, 500.0)), "   10+50.0000");
    // 1500 + 50 = 1550, short of 2000: the second is not applied.
    EXPECT_EQ(Shown(MakeStationText(state, stationing, 1000.0)), "   15+50.0000");
    // 1960 + 50 = 2010 reaches the second switch: + 100 = 2110.
    EXPECT_EQ(Shown(MakeStationText(state, stationing, 1460.0)), "   21+10.0000");
}

TEST(StationText, StopsAtTheFirstEquationNotReached) {
    Stationing stationing;
    stationing.equations = {{3000.0, 50.0, 3000.0, 50.0}, {1000.0, 100.0, 1000.0, 100.0}};
    // 1500 is short of the first switch (3000); the second is never looked at.
    EXPECT_EQ(Shown(MakeStationText(EnglishState(), stationing, 1500.0)), "   15+00.0000");
}

TEST(StationText, OverlapShowsTheEquationNumber) {
    // Back 1000, ahead 950: shift 1,000,000 - 50. Deck station 1020 on the
    // ahead side is 1070 without equations; printed 1070 + 999950 = 1001020.
    Stationing stationing;
    stationing.equations = {{1000.0, -50.0, 1000.0, 999950.0}};
    EXPECT_EQ(Shown(MakeStationText(EnglishState(), stationing, 1070.0)), "1  10+20.0000");
    // Before the back station the station is its own.
    EXPECT_EQ(Shown(MakeStationText(EnglishState(), stationing, 960.0)), "    9+60.0000");
}

TEST(StationTextAllEquations, AddsTheShiftsOfTheUsedEquationsWithoutThePositionTest) {
    Stationing stationing = TwoEquations();
    const RunState state = EnglishState();
    // 500 + 400 = 900, before either switch position.
    stationing.usedCount = 0;
    EXPECT_EQ(Shown(MakeStationTextAllEquations(state, stationing, 400.0)), "    9+00.0000");
    stationing.usedCount = 1;
    EXPECT_EQ(Shown(MakeStationTextAllEquations(state, stationing, 400.0)), "    9+50.0000");
    stationing.usedCount = 2;
    EXPECT_EQ(Shown(MakeStationTextAllEquations(state, stationing, 400.0)), "   10+50.0000");
    // A count beyond the table or below zero uses what the table holds.
    stationing.usedCount = 7;
    EXPECT_EQ(Shown(MakeStationTextAllEquations(state, stationing, 400.0)), "   10+50.0000");
    stationing.usedCount = -1;
    EXPECT_EQ(Shown(MakeStationTextAllEquations(state, stationing, 400.0)), "    9+00.0000");
}

// ---------------------------------------------------------------------------
// Angle texts: degrees I4, minutes I3.2, seconds F6.2, then 7 blanks.

double Radians(double degrees, double minutes, double seconds) {
    return (degrees + minutes / 60.0 + seconds / 3600.0) * std::numbers::pi / 180.0;
}

struct AngleCase {
    const char* name;
    double radians;
    const char* text;
    const char* what;
};

class AngleText : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleText, Prints) {
    EXPECT_EQ(Shown(MakeAngleText(GetParam().radians)), GetParam().text) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    DegreesMinutesSeconds, AngleText,
    ::testing::Values(
        AngleCase{"Ordinary", Radians(12, 34, 56.78), "  12 34 56.78", "ordinary"},
        AngleCase{"Negative", -Radians(12, 34, 56.78), " -12 34 56.78", "negative"},
        AngleCase{"Zero", 0.0, "   0 00 00.00", "zero"},
        AngleCase{"SecondsGetTwoDigits", Radians(0, 0, 5.25), "   0 00 05.25",
                  "seconds get two digits"},
        AngleCase{"BelowOneSecond", Radians(0, 0, 0.5), "   0 00 00.50", "below one second"},
        AngleCase{"QuarterTurn", std::numbers::pi / 2.0, "  90 00 00.00",
                  "quarter turn: 5400 minutes"},
        AngleCase{"HalfTurn", std::numbers::pi, " 180 00 00.00", "half turn"},
        // 59.996" would print as 60.00: the carry gives the next minute,
        // and here the next degree.
        AngleCase{"CarryIntoTheDegree", Radians(0, 59, 59.996), "   1 00 00.00",
                  "carry into the degree"},
        AngleCase{"CarryAt59_995", Radians(10, 0, 59.995), "  10 01 00.00", "carry at 59.995"},
        AngleCase{"JustBelowTheCarry", Radians(10, 0, 59.9949), "  10 00 59.99",
                  "just below the carry"},
        AngleCase{"NoCarryAt59_994", Radians(0, 59, 59.994), "   0 59 59.99", "no carry at 59.994"},
        AngleCase{"NegativeCarryIntoTheDegree", -Radians(0, 59, 59.996), "  -1 00 00.00",
                  "negative carry into the degree"},
        // Negative angles below one degree: a minus sign before the 0.
        AngleCase{"MinusThirtyMinutes", -Radians(0, 30, 0), "  -0 30 00.00", "minus 30 minutes"},
        AngleCase{"TinyNegativeAbove0_006", -Radians(0, 0, 0.007), "  -0 00 00.01",
                  "tiny negative above 0.006"},
        // 0.0055" is not above 0.006 but its decimals print as .01.
        AngleCase{"TinyNegativePrinting0_01", -Radians(0, 0, 0.0055), "  -0 00 00.01",
                  "tiny negative printing .01"},
        AngleCase{"TinyNegativePrintingAsZero", -Radians(0, 0, 0.004), "   0 00 00.00",
                  "tiny negative printing as zero"},
        AngleCase{"NegativeZero", -0.0, "   0 00 00.00", "negative zero"},
        // Degrees that do not fit I4 print asterisks; the rest stays.
        AngleCase{"DegreesBeyondI4", -Radians(1000, 0, 0), "**** 00 00.00", "degrees beyond I4"},
        AngleCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "*************",
                  "not a number"},
        AngleCase{"Infinite", std::numeric_limits<double>::infinity(), "*************",
                  "infinite"}),
    quillon::testsupport::CaseName());

TEST(AngleText, SplitsAfterTheWholeSeconds) {
    const TextPair texts = MakeAngleText(Radians(12, 34, 56.78));
    EXPECT_EQ(texts.first, "  12 34 56");
    EXPECT_EQ(texts.second, ".78       ");
}

}  // namespace
}  // namespace quillon::engine

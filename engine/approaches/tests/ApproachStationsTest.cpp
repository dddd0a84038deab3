// The stations of the approaches worked by hand: the approach length and
// rows, the begin and end stations on whole 10 ft, the arrangement of the two
// lists, and the moves of a station at a station equation.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/approaches/ApproachStations.hpp"
#include "engine/approaches/tests/ApproachTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

constexpr double kFeet = 1e-9;

struct SpanCase : approachtest::NamedCase {
    double length;
    int l, n, r;
};

class Span : public ::testing::TestWithParam<SpanCase> {};

TEST_P(Span, LengthStationsAndRows) {
    const SpanCase& c = GetParam();
    const ApproachSpan span = ApproachSpanOf(c.length);
    EXPECT_EQ(span.length, c.l);
    EXPECT_EQ(span.stations, c.n);
    EXPECT_EQ(span.rows, c.r);
}

// L = trunc(length + 9.99) at least 150, down to whole 10, at most 910;
// n = L/10 + 1; R = ((n - 1) div 4) x 4 + 4; worked by hand.
INSTANTIATE_TEST_SUITE_P(
    Approach, Span,
    ::testing::Values(
        // 0 + 9.99 -> 9 -> at least 150; n 16, R = (15 div 4) x 4 + 4 = 16
        SpanCase{{"Blank"}, 0.0, 150, 16, 16}, SpanCase{{"Exactly150"}, 150.0, 150, 16, 16},
        // 150.01 + 9.989999771 = 159.99999977 -> 159 -> 150 (a 9.99 in
        // double precision would give 160.0 -> 160)
        SpanCase{{"JustAbove150WithTheSinglePrecisionRoundUp"}, 150.01, 150, 16, 16},
        // 151 + 9.99 = 160.99 -> 160; n 17, R = (16 div 4) x 4 + 4 = 20
        SpanCase{{"OneFootMore"}, 151.0, 160, 17, 20},
        // 400 + 9.99 -> 409 -> 400; n 41, R = (40 div 4) x 4 + 4 = 44
        SpanCase{{"FourHundred"}, 400.0, 400, 41, 44},
        // 470: n 48, R = (47 div 4) x 4 + 4 = 48
        SpanCase{{"FourSeventy"}, 470.0, 470, 48, 48},
        // 1009.99 -> 1000 -> at most 910; n 92, R = (91 div 4) x 4 + 4 = 92
        SpanCase{{"Thousand"}, 1000.0, 910, 92, 92}, SpanCase{{"Negative"}, -5.0, 150, 16, 16},
        SpanCase{{"PunchedWithAnExponent"}, 1.0e30, 910, 92, 92},
        SpanCase{{"HugeNegative"}, -1.0e30, 150, 16, 16}),
    testsupport::CaseName());

TEST(StructureStations, BeginMovesUpAndEndMovesDownToWhole10Feet) {
    // ((trunc(s) + 9) div 10) x 10 and (trunc(s) div 10) x 10, by hand.
    EXPECT_EQ(BeginStationUp(12341.0), 12350.0);
    EXPECT_EQ(BeginStationUp(12340.0), 12340.0);
    EXPECT_EQ(BeginStationUp(12340.9), 12340.0);  // trunc first
    EXPECT_EQ(BeginStationUp(1.0), 10.0);         // above 1.0: used
    EXPECT_EQ(BeginStationUp(0.9), 0.0);          // 1.0 or less: none
    EXPECT_EQ(BeginStationUp(-25.0), -10.0);      // (-25 + 9) div 10 = -1
    EXPECT_EQ(EndStationDown(12349.0), 12340.0);
    EXPECT_EQ(EndStationDown(12340.0), 12340.0);
    EXPECT_EQ(EndStationDown(5.0), 0.0);
    // An exponent never overflows: the value stays a whole multiple of 10
    // within the rounding of a double.
    EXPECT_NEAR(BeginStationUp(1.0e30), 1.0e30, 1.0e15);
    EXPECT_NEAR(EndStationDown(-1.0e30), -1.0e30, 1.0e15);
}

struct ListsCase : approachtest::NamedCase {
    double back, ahead;  // B = begin - L and E = end, internal distances
    double length;
    ApproachLists expected;
};

class Lists : public ::testing::TestWithParam<ListsCase> {};

TEST_P(Lists, ArrangedByTheGapBetweenThem) {
    const ListsCase& c = GetParam();
    const ApproachLists lists = ArrangeTwoLists(c.back, c.ahead, ApproachSpanOf(c.length));
    EXPECT_EQ(lists.single, c.expected.single);
    EXPECT_EQ(lists.rows, c.expected.rows);
    EXPECT_NEAR(lists.back, c.expected.back, kFeet);
    if (!c.expected.single) {
        EXPECT_NEAR(lists.ahead, c.expected.ahead, kFeet);
    }
}

// E := E - (R - n) x 10; G := E - B - (10 R - 10); q := trunc(G + 1) div 10
// (G >= 0) or trunc(G - 1) div 10 (G < 0); worked by hand for each case.
INSTANTIATE_TEST_SUITE_P(
    Approach, Lists,
    ::testing::Values(
        // Structure 23+50 to 26+50, L 150 (R = n = 16): B 2200, E 2650,
        // G = 2650 - 2200 - 150 = 300, q = 30 > 3: apart.
        ListsCase{{"Apart"}, 2200.0, 2650.0, 150.0, {2200.0, 2650.0, 16, false}},
        // L 400 (n 41, R 44): E = 2650 - 30 = 2620, G = 2620 - 1950 - 430 =
        // 240, q 24: apart, as the sample bridge.
        ListsCase{
            {"ApartWithTheAheadListMovedBack"}, 1950.0, 2650.0, 400.0, {1950.0, 2620.0, 44, false}},
        // E 2388: G = 38, q = trunc(39) div 10 = 3: merged; R = ((max(-16, 2)
        // + 32 - 1) div 4) x 4 + 4 = (33 div 4) x 4 + 4 = 36.
        ListsCase{{"MergedJustBelow39Feet"}, 2200.0, 2388.0, 150.0, {2200.0, 0.0, 36, true}},
        // E 2389: G = 39, q = trunc(40) div 10 = 4: apart.
        ListsCase{{"ApartAt39Feet"}, 2200.0, 2389.0, 150.0, {2200.0, 2389.0, 16, false}},
        // L 160 (n 17, R 20): E = 2400 - 30 = 2370, G = 2370 - 2190 - 190 =
        // -10, q = trunc(-11) div 10 = -1; R = ((-2 + 39) div 4) x 4 + 4 = 40.
        ListsCase{
            {"MergedWithTheAheadListMovedBack"}, 2190.0, 2400.0, 160.0, {2190.0, 0.0, 40, true}},
        // E 2300: G = -50, q = -5; R = ((max(-16, -6) + 31) div 4) x 4 + 4 = 28.
        ListsCase{{"MergedOverlapping"}, 2200.0, 2300.0, 150.0, {2200.0, 0.0, 28, true}},
        // E 2100: G = -250, q = -25; max(-16, -26) = -16, R = (15 div 4) x 4
        // + 4 = 16.
        ListsCase{{"MergedFarOverlapping"}, 2200.0, 2100.0, 150.0, {2200.0, 0.0, 16, true}},
        // L 470 (R = n = 48 > 45): B 1880, E 2300, G = 2300 - 1880 - 470 =
        // -50, q -5: B := 1880 + 10 x (-5 div 2) = 1860, E := 1860 + 480.
        ListsCase{{"ContiguousLongLists"}, 1880.0, 2300.0, 470.0, {1860.0, 2340.0, 48, false}},
        // E 2270: G = -80, q = trunc(-81) div 10 = -8: B := 1880 - 40 = 1840,
        // E := 1840 + 480 = 2320.
        ListsCase{{"ContiguousAtTheLowestGap"}, 1880.0, 2270.0, 470.0, {1840.0, 2320.0, 48, false}},
        // E 2360: G = 10, q = 1: B stays (1 div 2 = 0), E := 1880 + 480.
        ListsCase{
            {"ContiguousAtTheHighestGap"}, 1880.0, 2360.0, 470.0, {1880.0, 2360.0, 48, false}},
        // E 2370: G = 20, q = 2: neither apart nor contiguous: as they are.
        ListsCase{{"LongListsCloseButKept"}, 1880.0, 2370.0, 470.0, {1880.0, 2370.0, 48, false}},
        // E 2260: G = -90, q = -9 < -8: the overlap is kept.
        ListsCase{{"LongListsOverlapKept"}, 1880.0, 2260.0, 470.0, {1880.0, 2260.0, 48, false}},
        ListsCase{{"LongListsFarOverlapKept"}, 1880.0, 2200.0, 470.0, {1880.0, 2200.0, 48, false}},
        // L 910 (R 92): B 1440, E 2650, G = 2650 - 1440 - 910 = 300: apart.
        ListsCase{{"LongestApart"}, 1440.0, 2650.0, 1000.0, {1440.0, 2650.0, 92, false}},
        // Stations punched with exponents: G far below 0, q far below -8.
        ListsCase{{"HugeOverlapMerged"}, 1.0e30, -1.0e30, 150.0, {1.0e30, 0.0, 16, true}},
        ListsCase{{"HugeGapApart"}, -1.0e30, 1.0e30, 150.0, {-1.0e30, 1.0e30, 16, false}}),
    testsupport::CaseName());

// A Stationing with origin 0 and one equation whose switch position lies
// 5e-8 below its back station, as the alignment enters it.
Stationing WithEquation(double back, double ahead, double shift) {
    Stationing stationing;
    stationing.equations.push_back({back, ahead - back, back - 0.00000005, shift});
    return stationing;
}

// Gap 25+00 back = 25+25 ahead (shift 25); an overlap 25+05 back = 24+50
// ahead (shift 1,000,000 - 55); a gap 25+05 back = 25+32 ahead (shift 27).
const Stationing kNoEquation{};
const Stationing kGap = WithEquation(2500.0, 2525.0, 25.0);
const Stationing kOverlap = WithEquation(2505.0, 2450.0, 999945.0);
const Stationing kOffGridGap = WithEquation(2505.0, 2532.0, 27.0);

struct MoveCase : approachtest::NamedCase {
    const Stationing* stationing;
    bool ahead;  // a station of the ahead list, else of the back list
    double distance;
    bool kept;
    double moved;  // the distance after the move
};

class Move : public ::testing::TestWithParam<MoveCase> {};

TEST_P(Move, OntoWhole10FeetWithoutCrossingTheEquation) {
    const MoveCase& c = GetParam();
    double s = c.distance;
    const bool kept =
        c.ahead ? MoveAheadStation(*c.stationing, s) : MoveBackStation(*c.stationing, s);
    EXPECT_EQ(kept, c.kept);
    if (c.kept) {
        EXPECT_NEAR(s, c.moved, kFeet);
    }
}

// s = origin + distance, plus the shift once past the switch position;
// back: d = 10 - (s mod 10), S + d; ahead: d = s mod 10, S - d; by hand.
INSTANTIATE_TEST_SUITE_P(
    Equation, Move,
    ::testing::Values(
        MoveCase{{"NoEquationKeepsAnyStation"}, &kNoEquation, false, 1234.5, true, 1234.5},
        MoveCase{{"NoEquationKeepsAnyAheadStation"}, &kNoEquation, true, 1234.5, true, 1234.5},
        // s 2485 before the gap: d 5, 2490; (2485 - 2500) + 5 = -10: kept.
        MoveCase{{"BackBeforeTheGapMovesUp"}, &kGap, false, 2485.0, true, 2490.0},
        // s 2495: d 5 reaches 2500, within 1e-6 of the switch position
        // (2500 - 5e-8): kept 0.000005 before it, printed 25+00.
        MoveCase{{"BackLandingOnTheSwitchStaysBeforeIt"}, &kGap, false, 2495.0, true, 2499.999995},
        // s 2505 + 25 = 2530 is on whole 10 ft: unchanged.
        MoveCase{{"BackPastTheGapOnTheGrid"}, &kGap, false, 2505.0, true, 2505.0},
        // s 2503 before the switch 2505: d 7 would reach 2510, (2503 - 2505)
        // + 7 = 5 > 0: dropped.
        MoveCase{{"BackWhoseMoveWouldCrossTheEquationIsDropped"},
                 &kOffGridGap,
                 false,
                 2503.0,
                 false,
                 0.0},
        // s 2493: d 7, 2500; (2493 - 2505) + 7 = -5: kept.
        MoveCase{{"BackJustBeforeAnOffGridEquation"}, &kOffGridGap, false, 2493.0, true, 2500.0},
        // s 2355 before the overlap: d 5, 2360.
        MoveCase{{"BackBeforeTheOverlap"}, &kOverlap, false, 2355.0, true, 2360.0},
        // Ahead at 2500: s = 2525, d 5, would print 24+95: (2525 - 25 -
        // 2500) - 5 = -5 < 0: dropped (it lies across the equation).
        MoveCase{{"AheadThatWouldMoveBackAcrossTheGapIsDropped"}, &kGap, true, 2500.0, false, 0.0},
        // Ahead at 2510: s = 2535, d 5, 2505 (prints 25+30); (2510 - 2500) -
        // 5 = 5: kept.
        MoveCase{{"AheadPastTheGapMovesDown"}, &kGap, true, 2510.0, true, 2505.0},
        // Ahead at 2490, before the gap and on the grid: unchanged.
        MoveCase{{"AheadBeforeTheGapOnTheGrid"}, &kGap, true, 2490.0, true, 2490.0},
        // Ahead at 2504, before the switch: d 4, 2500; no equation passed.
        MoveCase{{"AheadBeforeTheOverlapMovesDown"}, &kOverlap, true, 2504.0, true, 2500.0},
        // Ahead at 2510: s = 2510 + 999945 = 1002455, d 5, 2505; (2510 -
        // 2505) - 5 is 5e-8 from 0: kept 0.000005 past the switch position.
        MoveCase{
            {"AheadLandingOnTheSwitchStaysPastIt"}, &kOverlap, true, 2510.0, true, 2505.000005},
        // Ahead at 2520: s = 1002465, d 5, 2515; (2520 - 2505) - 5 = 10: kept.
        MoveCase{{"AheadPastTheOverlapMovesDown"}, &kOverlap, true, 2520.0, true, 2515.0},
        // Ahead at 2510 past the off-grid gap: s = 2537, d 7, 2503; (2510 -
        // 2505) - 7 = -2: dropped.
        MoveCase{{"AheadPastAnOffGridGapWouldCrossBack"}, &kOffGridGap, true, 2510.0, false, 0.0},
        // Negative stations use the floored modulo: -15 mod 10 = 5, so the
        // back station moves up 5 to -10 and the ahead station down 5 to -20.
        MoveCase{{"NegativeBackStationMovesUp"}, &kGap, false, -15.0, true, -10.0},
        MoveCase{{"NegativeAheadStationMovesDown"}, &kGap, true, -15.0, true, -20.0},
        // Within 0.00004 of whole 10 ft: already on the grid.
        MoveCase{{"BackWithinTheGridSlack"}, &kGap, false, 2480.00003, true, 2480.00003},
        MoveCase{{"AheadWithinTheGridSlack"}, &kGap, true, 2479.99997, true, 2479.99997}),
    testsupport::CaseName());

TEST(LayOut, StationsOutsideTheLimitsAreLeftOut) {
    // Lists 10 ft apart from 2200 (back) and 2650 (ahead), 16 rows each;
    // limits 2250 to 2700: back 2250..2350 (11), ahead 2650..2700 (6).
    ValidDataLimits limits;
    limits.begin = 2250.0;
    limits.end = 2700.0;
    const ApproachStationLists s =
        LayOutApproachStations(Stationing{}, limits, {2200.0, 2650.0, 16, false});
    ASSERT_EQ(s.back.size(), 11u);
    EXPECT_DOUBLE_EQ(s.back.front(), 2250.0);
    EXPECT_DOUBLE_EQ(s.back.back(), 2350.0);
    ASSERT_EQ(s.ahead.size(), 6u);
    EXPECT_DOUBLE_EQ(s.ahead.front(), 2650.0);
    EXPECT_DOUBLE_EQ(s.ahead.back(), 2700.0);
}

TEST(LayOut, SingleListHasNoAheadStations) {
    const ApproachStationLists s =
        LayOutApproachStations(Stationing{}, ValidDataLimits{}, {2200.0, 9999.0, 36, true});
    ASSERT_EQ(s.back.size(), 36u);
    EXPECT_DOUBLE_EQ(s.back.back(), 2200.0 + 350.0);
    EXPECT_TRUE(s.ahead.empty());
}

TEST(LayOut, StationMovedOutsideTheLimitsIsDropped) {
    // Gap 25+00 = 25+25; back list from 2425: 2425 -> 2430, ..., 2495 ->
    // 2499.999995. With the end limit at 2497 the last one starts inside the
    // limits and is moved outside them: it is dropped like one outside.
    ValidDataLimits limits;
    limits.end = 2497.0;
    const ApproachStationLists s = LayOutApproachStations(kGap, limits, {2425.0, 0.0, 8, true});
    ASSERT_EQ(s.back.size(), 7u);
    EXPECT_NEAR(s.back.front(), 2430.0, kFeet);
    EXPECT_NEAR(s.back.back(), 2490.0, kFeet);
}

TEST(LayOut, NotANumberIsNeverListed) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ApproachStationLists s =
        LayOutApproachStations(kGap, ValidDataLimits{}, {nan, nan, 16, false});
    EXPECT_TRUE(s.back.empty());
    EXPECT_TRUE(s.ahead.empty());
}

}  // namespace
}  // namespace quillon::engine

// The cross-slope break table: runoff and runout of the superelevation on
// simple and spiralled curves for every crown type, override rows, the
// transition curves and their rounding, and the slope at a station.
#include <cmath>
#include <string>
#include <vector>

#include "engine/alignment/CrossSlopeTable.hpp"
#include "engine/alignment/PointElevation.hpp"
#include "engine/alignment/tests/VerticalProfileTestSupport.hpp"

namespace quillon::engine {
namespace {

using testing::MemoryRun;

constexpr double kSlope = 1e-12;
constexpr double kFeet = 1e-9;

CrossSlopeCard Card(int crownCode, double normal, double rate, double inLength = 100.0,
                    double outLength = 100.0) {
    CrossSlopeCard c;
    c.crownCode = crownCode;
    c.crossSlope = normal;
    c.superRateGiven = true;
    c.superRate = rate;
    c.inTransLength = inLength;
    c.outTransLength = outLength;
    return c;
}

// A curve to the right (f = +1) or left (f = -1), TS or PC at internal 0.
geometry::HorizontalAlignment Curve(double f, double ls1, double lc, double ls2) {
    geometry::HorizontalAlignment h;
    h.curveFlag = true;
    h.horizontalTangent = false;
    h.f = f;
    h.ls1 = ls1;
    h.ls2 = ls2;
    h.lc = lc;
    h.csDistance = lc + ls1;
    h.length = lc + ls1 + ls2;
    return h;
}

CrossSlopeOverrideRow Override(double station, double left, double right, bool leftGiven = true) {
    CrossSlopeOverrideRow row;
    row.station = station;
    row.leftText = leftGiven ? "  400     " : std::string(10, ' ');
    row.left = leftGiven ? left : 0.0;
    row.right = right;
    return row;
}

struct Break {
    double station, left, right;
};

struct Built {
    MemoryRun memory;
    CrossSlopeBreakTable table;
    ValidDataLimits limits;
    bool enteringTooShort = false;

    Built(const CrossSlopeCard& card, const std::vector<CrossSlopeOverrideRow>& overrides,
          const geometry::HorizontalAlignment* curve,
          EngineVariant variant = EngineVariant::English, bool list = true)
        : memory(variant) {
        SetUpCrossSlopeTable(card, overrides, table);
        if (curve)
            enteringTooShort = AddCurveSuperelevation(memory.run, memory.stationing, *curve, table);
        if (list) WriteCrossSlopeSection(memory.run, memory.stationing, card, table, limits);
    }

    // The breaks after the on-tangent row, as added before the table is built.
    void ExpectBreaks(const std::vector<Break>& expected) const {
        ASSERT_EQ(table.rows.size(), expected.size() + 1);
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(table.rows[i + 1].station, expected[i].station, kFeet) << "break " << i + 2;
            EXPECT_NEAR(table.rows[i + 1].left, expected[i].left, kSlope) << "break " << i + 2;
            EXPECT_NEAR(table.rows[i + 1].right, expected[i].right, kSlope) << "break " << i + 2;
        }
    }
    double Left(double s) const { return CrossSlopeAt(table, s, CrossSlopeSide::Left); }
    double Right(double s) const { return CrossSlopeAt(table, s, CrossSlopeSide::Right); }
};

TEST(CrossSlopeSetUp, OnTangentRowAndOverrideSlopes) {
    CrossSlopeBreakTable t;
    std::vector<CrossSlopeOverrideRow> rows{Override(1000.0, 0.04, 0.0),
                                            Override(1100.0, 0.0, 0.01, false)};
    SetUpCrossSlopeTable(Card(1, -0.02, 0.0), rows, t);  // "A": F = -1, normal slope taken absolute
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0].station, -500000000.0);
    EXPECT_DOUBLE_EQ(t.rows[0].left, -0.02);
    EXPECT_DOUBLE_EQ(t.rows[0].right, 0.02);
    // One-way section: a given left slope sets the right one to its
    // negative; a blank left slope is the negative of the right one.
    EXPECT_DOUBLE_EQ(t.overrides[0].right, -0.04);
    EXPECT_DOUBLE_EQ(t.overrides[1].left, -0.01);

    SetUpCrossSlopeTable(Card(2, 0.02, 0.0), {}, t);  // "B": F = +1
    EXPECT_DOUBLE_EQ(t.rows[0].left, 0.02);
    EXPECT_DOUBLE_EQ(t.rows[0].right, -0.02);

    CrossSlopeCard crowned = Card(3, 0.02, 0.0);
    crowned.pivotOffset = 12.0;
    crowned.pivotSide = "LEFT      ";
    SetUpCrossSlopeTable(crowned, rows, t);
    EXPECT_DOUBLE_EQ(t.rows[0].left, -0.02);
    EXPECT_DOUBLE_EQ(t.rows[0].right, -0.02);
    EXPECT_DOUBLE_EQ(t.overrides[0].left, 0.04);  // as read
    EXPECT_DOUBLE_EQ(t.overrides[0].right, 0.0);
    EXPECT_DOUBLE_EQ(t.overrides[1].left, 0.0);  // blank left is 0
    EXPECT_TRUE(t.pivotLeft);
    EXPECT_DOUBLE_EQ(t.pivotDrop, 12.0 * -0.02);  // offset times the pivot side's slope on tangent
}

// Crown "A" (one-way, falling to the left) on a simple curve to the right:
// the section is adverse, so the runout from -0.02 to 0 comes first.
// S = 0.02, E = 0.06, transitions 100 ft with 60 % on the tangent.
TEST(CrossSlopeSuperelevation, OneWayAdverseSimpleCurve) {
    CrossSlopeCard card = Card(1, 0.02, 0.06);
    geometry::HorizontalAlignment h = Curve(1.0, 0.0, 500.0, 0.0);
    Built b(card, {}, &h, EngineVariant::English, false);
    EXPECT_FALSE(b.enteringTooShort);
    EXPECT_EQ(b.table.superRateText, "0.0600");
    // c = S/E = 1/3; runoff starts at -0.6*100 = -60 (level there), runout
    // c*100 = 33.333 before it; full super from -60 + 100 = 40 to
    // 0.6*100 + 500 - 100 = 460; normal again at 560 + 33.333.
    b.ExpectBreaks({{-60.0 - 100.0 / 3.0, -0.02, 0.02},
                    {40.0, 0.06, -0.06},
                    {460.0, 0.06, -0.06},
                    {560.0 + 100.0 / 3.0, -0.02, 0.02}});
}

TEST(CrossSlopeSuperelevation, OneWayAdverseSlopesAlongTheCurve) {
    CrossSlopeCard card = Card(1, 0.02, 0.06);
    geometry::HorizontalAlignment h = Curve(1.0, 0.0, 500.0, 0.0);
    Built b(card, {}, &h);
    ASSERT_EQ(b.table.count, 5);
    // Transition curves: 50 ft at every break (room 133.3, 420, 133.3; MaxTransVC 50).
    for (int i = 1; i < 5; ++i)
        EXPECT_DOUBLE_EQ(b.table.rows[static_cast<size_t>(i)].vcLength, 25.0);
    struct Case {
        double station, left;
        const char* working;
    };
    const Case cases[] = {
        {-300.0, -0.02, "on tangent"},
        {-60.0, 0.0, "start of runoff: level, 33.3 of 133.3 ft from -0.02 toward 0.06"},
        {0.0, 0.036, "PC: 60 % of the rate, 0.6*0.06"},
        {40.0, 0.05625, "at the break, inside its 50 ft curve: 0.06 + (0 - 0.0006)*50/8"},
        {52.5, 0.0590625, "37.5 ft into the curve: 0.045 + 0.0006*37.5 - 0.0006/100*37.5^2"},
        {250.0, 0.06, "full superelevation"},
        {800.0, -0.02, "back on tangent"},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(b.Left(c.station), c.left, kSlope) << c.working;
        EXPECT_NEAR(b.Right(c.station), -c.left, kSlope) << c.working;  // one-way: right = -left
    }
}

// Crown "B" (one-way, falling to the right) on a right curve: the section
// already falls to the inside, so only the rise from S to E remains.
TEST(CrossSlopeSuperelevation, OneWayFavourableSimpleCurve) {
    CrossSlopeCard card = Card(2, 0.02, 0.06);
    geometry::HorizontalAlignment h = Curve(1.0, 0.0, 500.0, 0.0);
    Built b(card, {}, &h, EngineVariant::English, false);
    // Slope 0.02 is reached c*100 = 33.333 ft after the runoff's start (-60).
    b.ExpectBreaks({{-60.0 + 100.0 / 3.0, 0.02, -0.02},
                    {40.0, 0.06, -0.06},
                    {460.0, 0.06, -0.06},
                    {560.0 - 100.0 / 3.0, 0.02, -0.02}});
}

TEST(CrossSlopeSuperelevation, OneWayFavourableWithRateNotAboveNormalIsNone) {
    CrossSlopeCard card = Card(2, 0.02, 0.02);
    geometry::HorizontalAlignment h = Curve(1.0, 0.0, 500.0, 0.0);
    Built b(card, {}, &h);
    EXPECT_EQ(b.table.count, 1);
    EXPECT_EQ(b.table.superRateText, "0.0200");
    EXPECT_EQ(b.memory.Find("(ON TANGENT)"), 6);
    EXPECT_EQ(b.memory.Lines()[7], "");
}

// Crown "C" with rate 0.06 on a right curve with 150 ft spirals: the crown is
// taken out before the TS and full superelevation runs from SC to CS.
TEST(CrossSlopeSuperelevation, CrownedSpiralledCurveRight) {
    CrossSlopeCard card = Card(3, 0.02, 0.06);
    geometry::HorizontalAlignment h = Curve(1.0, 150.0, 300.0, 150.0);  // SC 150, CS 450, ST 600
    Built b(card, {}, &h, EngineVariant::English, false);
    // c = S/E = 1/3, length Ls = 150: crown out at 0 - 50; the outer (left)
    // side reaches +S at 0 + 50, E at the SC; mirrored at the CS and ST.
    b.ExpectBreaks({{-50.0, -0.02, -0.02},
                    {50.0, 0.02, -0.02},
                    {150.0, 0.06, -0.06},
                    {450.0, 0.06, -0.06},
                    {550.0, 0.02, -0.02},
                    {650.0, -0.02, -0.02}});
    WriteCrossSlopeSection(b.memory.run, b.memory.stationing, card, b.table, b.limits);
    EXPECT_NEAR(b.Left(0.0), 0.0, kSlope);     // the TS: left side level
    EXPECT_NEAR(b.Right(0.0), -0.02, kSlope);  // inner side untouched until +50
    EXPECT_NEAR(b.Left(300.0), 0.06, kSlope);
    EXPECT_NEAR(b.Right(300.0), -0.06, kSlope);
}

TEST(CrossSlopeSuperelevation, CrownedSpiralledCurveLeft) {
    CrossSlopeCard card = Card(3, 0.02, 0.06);
    geometry::HorizontalAlignment h = Curve(-1.0, 150.0, 300.0, 150.0);
    Built b(card, {}, &h, EngineVariant::English, false);
    EXPECT_DOUBLE_EQ(b.table.fullSuper, -0.06);
    b.ExpectBreaks({{-50.0, -0.02, -0.02},
                    {50.0, -0.02, 0.02},
                    {150.0, -0.06, 0.06},
                    {450.0, -0.06, 0.06},
                    {550.0, -0.02, 0.02},
                    {650.0, -0.02, -0.02}});
}

// Crown "C" with a crown fraction on the card and a pivot offset: the
// fraction c = S*c/E, then E*c/(2E - S) when the pivot is more than 1 ft out.
TEST(CrossSlopeSuperelevation, CrownedWithFractionAndPivot) {
    CrossSlopeCard card = Card(3, 0.02, 0.06);
    card.crownWidth = 0.6;
    card.pivotOffset = 12.0;
    card.pivotSide = "RIGHT     ";
    geometry::HorizontalAlignment h = Curve(1.0, 150.0, 300.0, 150.0);
    Built b(card, {}, &h, EngineVariant::English, false);
    // c = 0.02*0.6/0.06 = 0.2, then 0.06*0.2/(0.12 - 0.02) = 0.12: 18 ft.
    EXPECT_NEAR(b.table.crownFraction, 0.12, 1e-15);
    b.ExpectBreaks({{-18.0, -0.02, -0.02},
                    {18.0, 0.02, -0.02},
                    {150.0, 0.06, -0.06},
                    {450.0, 0.06, -0.06},
                    {582.0, 0.02, -0.02},
                    {618.0, -0.02, -0.02}});
    EXPECT_DOUBLE_EQ(b.table.pivotDrop, 12.0 * -0.02);
}

// Crown "D": crowned, both sides turn at once from the runoff's start.
TEST(CrossSlopeSuperelevation, CrownedBothSidesSimpleCurve) {
    CrossSlopeCard card = Card(4, 0.02, 0.06, 90.0, 0.0);  // leaving length blank: the entering one
    geometry::HorizontalAlignment h = Curve(1.0, 0.0, 400.0, 0.0);
    Built b(card, {}, &h, EngineVariant::English, false);
    // start -0.6*90 = -54, full at 36 .. 0.6*90 + 400 - 90 = 364, normal at 454.
    b.ExpectBreaks(
        {{-54.0, -0.02, -0.02}, {36.0, 0.06, -0.06}, {364.0, 0.06, -0.06}, {454.0, -0.02, -0.02}});
}

// Every crown type on both hands, with and without spirals. S = 0.02,
// E = 0.06; simple curves: Lc 500, transitions 100 ft with 60 % on the
// tangent (runoff starts at -60, full at 40, leaves full at 460, ends at
// 560); spiralled curves: Ls 150, Lc 300 (TS 0, SC 150, CS 450, ST 600).
// Every break below follows from one rotation rate, E over the runoff
// length (0.0006/ft simple, 0.0004/ft spiralled), and the slope each side
// must pass: an adverse one-way section first turns from -S through 0 to
// +S on the tangent (S/rate = 33.333 or 50 ft ahead of the runoff), a
// favourable one only starts where the rising side reaches S; a crowned
// section "C" lifts the outer side from -S to +S about the runoff start,
// then both; "D" turns both sides at once from the runoff start.
TEST(CrossSlopeSuperelevation, BreaksForEveryCrownTypeAndHand) {
    const double third = 100.0 / 3.0;  // S / 0.0006
    struct Case {
        const char* what;
        int crown;
        double f;
        bool spirals;
        std::vector<Break> breaks;
    };
    const std::vector<Case> cases = {
        {"A right spirals: adverse, level at the TS",
         1,
         1.0,
         true,
         {{-50.0, -0.02, 0.02}, {150.0, 0.06, -0.06}, {450.0, 0.06, -0.06}, {650.0, -0.02, 0.02}}},
        {"B right spirals: favourable, turns from 50 ft past the TS",
         2,
         1.0,
         true,
         {{50.0, 0.02, -0.02}, {150.0, 0.06, -0.06}, {450.0, 0.06, -0.06}, {550.0, 0.02, -0.02}}},
        {"D right spirals: both sides turn from the TS",
         4,
         1.0,
         true,
         {{0.0, -0.02, -0.02}, {150.0, 0.06, -0.06}, {450.0, 0.06, -0.06}, {600.0, -0.02, -0.02}}},
        {"A left simple: favourable (falls to the inside already)",
         1,
         -1.0,
         false,
         {{-60.0 + third, -0.02, 0.02},
          {40.0, -0.06, 0.06},
          {460.0, -0.06, 0.06},
          {560.0 - third, -0.02, 0.02}}},
        {"B left simple: adverse",
         2,
         -1.0,
         false,
         {{-60.0 - third, 0.02, -0.02},
          {40.0, -0.06, 0.06},
          {460.0, -0.06, 0.06},
          {560.0 + third, 0.02, -0.02}}},
        {"C right simple: crown out about the runoff start",
         3,
         1.0,
         false,
         {{-60.0 - third, -0.02, -0.02},
          {-60.0 + third, 0.02, -0.02},
          {40.0, 0.06, -0.06},
          {460.0, 0.06, -0.06},
          {560.0 - third, 0.02, -0.02},
          {560.0 + third, -0.02, -0.02}}},
        {"D left simple",
         4,
         -1.0,
         false,
         {{-60.0, -0.02, -0.02}, {40.0, -0.06, 0.06}, {460.0, -0.06, 0.06}, {560.0, -0.02, -0.02}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        geometry::HorizontalAlignment h =
            c.spirals ? Curve(c.f, 150.0, 300.0, 150.0) : Curve(c.f, 0.0, 500.0, 0.0);
        Built b(Card(c.crown, 0.02, 0.06), {}, &h, EngineVariant::English, false);
        EXPECT_FALSE(b.memory.run.state.fatalFlag);
        b.ExpectBreaks(c.breaks);
    }
}

TEST(CrossSlopeSuperelevation, RateTexts) {
    geometry::HorizontalAlignment h = Curve(1.0, 0.0, 500.0, 0.0);
    CrossSlopeCard blank = Card(1, 0.02, 0.0);
    blank.superRateGiven = false;
    Built none(blank, {}, &h, EngineVariant::English, false);
    EXPECT_EQ(none.table.superRateText, " -NC- ");
    EXPECT_EQ(none.table.rows.size(), 1u);
    Built zero(Card(1, 0.02, 0.0), {}, &h, EngineVariant::English, false);
    EXPECT_EQ(zero.table.superRateText, " 0.0  ");
}

TEST(CrossSlopeSuperelevation, ShortSimpleTransitionsAreFatal) {
    geometry::HorizontalAlignment h = Curve(1.0, 0.0, 500.0, 0.0);
    {
        Built b(Card(1, 0.02, 0.06, 0.5, 0.0), {}, &h, EngineVariant::English, false);
        EXPECT_TRUE(b.enteringTooShort);
        EXPECT_TRUE(b.memory.run.state.fatalFlag);
        EXPECT_EQ(b.table.rows.size(), 1u);  // no points
        auto lines = b.memory.Lines();
        int at = b.memory.Find("FATAL ERROR -- 03 CARD");
        ASSERT_GE(at, 0);
        EXPECT_EQ(testing::Cols(lines[static_cast<size_t>(at)], 52, 73), "FATAL ERROR -- 03 CARD");
        EXPECT_EQ(testing::Cols(lines[static_cast<size_t>(at + 1)], 43, 84),
                  "INVALID TRANSITION LENGTH FOR SIMPLE CURVE");
    }
    {
        Built b(Card(1, 0.02, 0.06, 100.0, 0.5), {}, &h, EngineVariant::English, false);
        EXPECT_FALSE(b.enteringTooShort);
        EXPECT_TRUE(b.memory.run.state.fatalFlag);
        EXPECT_EQ(b.table.rows.size(), 2u);  // only the entering point
    }
    {  // spirals need no transition lengths
        geometry::HorizontalAlignment s = Curve(1.0, 150.0, 300.0, 150.0);
        Built b(Card(3, 0.02, 0.06, 0.0, 0.0), {}, &s, EngineVariant::English, false);
        EXPECT_FALSE(b.memory.run.state.fatalFlag);
    }
}

TEST(CrossSlopeSuperelevation, CircularCurveTooShortForBothTransitions) {
    {  // a = 0.6*100 + 50 - 100 = 10 lies more than 1 ft before b = 40
        geometry::HorizontalAlignment h = Curve(1.0, 0.0, 50.0, 0.0);
        Built b(Card(1, 0.02, 0.06), {}, &h, EngineVariant::English, false);
        EXPECT_TRUE(b.memory.run.state.fatalFlag);
        b.ExpectBreaks({{-60.0 - 100.0 / 3.0, -0.02, 0.02}, {40.0, 0.06, -0.06}});
        EXPECT_NE(b.memory.Find("HORIZONTAL CIRCULAR CURVE NOT LONG ENOUGH"), -1);
        EXPECT_NE(b.memory.Find("TO PREVENT SUPER TRANSITIONS FROM LAPPING"), -1);
        EXPECT_NE(b.memory.Find("INVALID TRANSITION LENGTH FOR SIMPLE CURVE"), -1);
    }
    {  // a = 0.6*100 + 80.5 - 100 = 40.5, within 1 ft of b: one point between
        geometry::HorizontalAlignment h = Curve(1.0, 0.0, 80.5, 0.0);
        Built b(Card(1, 0.02, 0.06), {}, &h, EngineVariant::English, false);
        EXPECT_FALSE(b.memory.run.state.fatalFlag);
        b.ExpectBreaks({{-60.0 - 100.0 / 3.0, -0.02, 0.02},
                        {40.25, 0.06, -0.06},
                        {140.5 + 100.0 / 3.0, -0.02, 0.02}});
    }
}

TEST(CrossSlopeOverrides, TakenInStationOrderAndStandingInForNearPoints) {
    CrossSlopeCard card = Card(1, 0.02, 0.06);
    geometry::HorizontalAlignment h = Curve(1.0, 0.0, 500.0, 0.0);
    // 40.5 is within 1 ft of the point at 40 and takes its place; 300 falls
    // between 40 and 460; 900 comes after every point.
    Built b(
        card,
        {Override(40.5, 0.05, 0.0), Override(300.0, 0.07, 0.0), Override(900.0, 0.0, -0.01, false)},
        &h, EngineVariant::English, false);
    b.ExpectBreaks({{-60.0 - 100.0 / 3.0, -0.02, 0.02},
                    {40.5, 0.05, -0.05},
                    {300.0, 0.07, -0.07},
                    {460.0, 0.06, -0.06},
                    {560.0 + 100.0 / 3.0, -0.02, 0.02}});
    EXPECT_EQ(b.table.rows[2].label, " -U-      ");
    EXPECT_EQ(b.table.rows[3].label, " -U-      ");
    EXPECT_EQ(b.table.rows[4].label, std::string(10, ' '));
    BuildCrossSlopeTable(b.memory.run, b.memory.stationing, b.table);
    EXPECT_EQ(b.table.count, 7);
    EXPECT_NEAR(b.table.rows[6].station, 900.0, kFeet);
    EXPECT_NEAR(b.table.rows[6].left, 0.01, kSlope);  // blank left: the negative of the right
    EXPECT_TRUE(b.table.overrides.empty());
}

TEST(CrossSlopeOverrides, OverrideStationsPassThroughTheStationing) {
    MemoryRun memory;
    memory.stationing.originStation = 800.0;  // the TS at deck station 8+00
    CrossSlopeBreakTable t;
    SetUpCrossSlopeTable(Card(1, 0.02, 0.0), {Override(1000.0, 0.04, 0.0)}, t);
    BuildCrossSlopeTable(memory.run, memory.stationing, t);
    ASSERT_EQ(t.count, 2);
    EXPECT_NEAR(t.rows[1].station, 200.0, kFeet);
}

// Three overrides on a tangent, 100 ft apart: (0, 0), (0.04, -0.04), (0, 0).
TEST(CrossSlopeTransitions, CurveEndSlopesAndParabola) {
    CrossSlopeCard card = Card(1, 0.02, 0.0);
    card.superRateGiven = false;
    Built b(card,
            {Override(1000.0, 0.0, 0.0), Override(1100.0, 0.04, 0.0), Override(1200.0, 0.0, 0.0)},
            nullptr);
    ASSERT_EQ(b.table.count, 4);
    const CrossSlopeRow& mid = b.table.rows[2];
    // VC 50 at each break (room 100, MaxTransVC 50), half 25 after listing;
    // g = 25/100: start and end slopes 0.75*0.04 + 0.25*0 = 0.03.
    EXPECT_DOUBLE_EQ(mid.vcLength, 25.0);
    EXPECT_NEAR(mid.startLeft, 0.03, kSlope);
    EXPECT_NEAR(mid.endLeft, 0.03, kSlope);
    EXPECT_NEAR(b.table.rows[1].endLeft, 0.01, kSlope);
    // Closing row 200 ft beyond the last break, never listed.
    EXPECT_NEAR(b.table.rows[4].station, 1400.0, kFeet);
    // Peak at the middle break: 0.04 + (0.03 + 0.03 - 0.08)/4 = 0.035.
    EXPECT_NEAR(b.Left(1100.0), 0.035, kSlope);
    EXPECT_NEAR(b.Left(1050.0), 0.02, kSlope);  // straight between the curves
    // At station_i + H_i the next interval applies: 1125 lies on the straight line.
    EXPECT_NEAR(b.Left(1125.0), 0.03, kSlope);
}

TEST(CrossSlopeTransitions, RepeatsAndStraightPointsAreDropped) {
    CrossSlopeCard card = Card(1, 0.02, 0.0);
    card.superRateGiven = false;
    // Three rows repeating the tangent slopes: only the last one stays;
    // 1300 lies on the straight line from 1200 to 1400 and goes.
    Built b(
        card,
        {Override(1000.0, -0.02, 0.0), Override(1100.0, -0.02, 0.0), Override(1150.0, -0.02, 0.0),
         Override(1200.0, 0.02, 0.0), Override(1300.0, 0.03, 0.0), Override(1400.0, 0.04, 0.0)},
        nullptr, EngineVariant::English, false);
    BuildCrossSlopeTable(b.memory.run, b.memory.stationing, b.table);
    ASSERT_EQ(b.table.count, 4);
    EXPECT_NEAR(b.table.rows[1].station, 1150.0, kFeet);
    EXPECT_NEAR(b.table.rows[2].station, 1200.0, kFeet);
    EXPECT_NEAR(b.table.rows[3].station, 1400.0, kFeet);
}

TEST(CrossSlopeTransitions, LengthsCutToMultiplesOfFive) {
    CrossSlopeCard card = Card(1, 0.02, 0.0);
    card.superRateGiven = false;
    // Breaks 33 ft apart: VC = min(33, 50) cut to 30; the last break, 33 ft
    // after its neighbour, likewise.
    Built b(card, {Override(1000.0, 0.04, 0.0), Override(1033.0, 0.0, 0.0)}, nullptr,
            EngineVariant::English, false);
    BuildCrossSlopeTable(b.memory.run, b.memory.stationing, b.table);
    ASSERT_EQ(b.table.count, 3);
    EXPECT_DOUBLE_EQ(b.table.rows[1].vcLength, 30.0);
    EXPECT_DOUBLE_EQ(b.table.rows[2].vcLength, 30.0);
}

// Rows after row 1 and their listed VC lengths once the table is built.
std::vector<double> BuiltLengths(const std::vector<CrossSlopeOverrideRow>& rows,
                                 double maxTransVC = 50.0) {
    MemoryRun memory;
    CrossSlopeBreakTable t;
    CrossSlopeCard card = Card(1, 0.02, 0.0);
    card.superRateGiven = false;
    card.maxTransVC = maxTransVC;
    SetUpCrossSlopeTable(card, rows, t);
    BuildCrossSlopeTable(memory.run, memory.stationing, t);
    std::vector<double> lengths;
    for (int i = 1; i < t.count; ++i) lengths.push_back(t.rows[static_cast<size_t>(i)].vcLength);
    return lengths;
}

TEST(CrossSlopeTransitions, ShortCurvesRaisedToTwentyWhereTheNeighboursLeaveRoom) {
    // Crown "A" on tangent (-0.02, 0.02); overrides zigzag between 0 and 0.04
    // so that no break lies on a straight line.
    {
        // Breaks 1000, 1004, 1023: VC = 4 (one gap), min(4, 19) = 4, 19.
        // Rounding in row order: 4 and 4 stay (no 10 ft of room next to the
        // 4 ft gap); the last, 19 -> 15 below 20, has 19 - 4/2 = 17 >= 10 of
        // room before it: raised to 20.
        std::vector<double> got = BuiltLengths(
            {Override(1000.0, 0.0, 0.0), Override(1004.0, 0.04, 0.0), Override(1023.0, 0.0, 0.0)});
        EXPECT_EQ(got, (std::vector<double>{4.0, 4.0, 20.0}));
    }
    {
        // Breaks 1000, 1003, 1021, 1039, 1042: VC = 3, 3, min(18, 18) = 18, 3, 3.
        // The inner 18 -> 15 has 18 - 3/2 = 16.5 on both sides: 20. The row
        // after it then has 18 - 20/2 = 8 before it and stays 3.
        std::vector<double> got = BuiltLengths(
            {Override(1000.0, 0.0, 0.0), Override(1003.0, 0.04, 0.0), Override(1021.0, 0.0, 0.0),
             Override(1039.0, 0.04, 0.0), Override(1042.0, 0.0, 0.0)});
        EXPECT_EQ(got, (std::vector<double>{3.0, 3.0, 20.0, 3.0, 3.0}));
    }
    {
        // 24.99997 ft apart: whole part of 24.99997 + 0.00004 = 25, a multiple of 5.
        std::vector<double> got =
            BuiltLengths({Override(1000.0, 0.04, 0.0), Override(1024.99997, 0.0, 0.0)});
        EXPECT_EQ(got, (std::vector<double>{25.0, 25.0}));
    }
    {
        // MaxTransVC 20 is not above 20: no rounding, the lengths are the
        // room (33) cut to MaxTransVC only.
        std::vector<double> got =
            BuiltLengths({Override(1000.0, 0.04, 0.0), Override(1033.0, 0.0, 0.0)}, 20.0);
        EXPECT_EQ(got, (std::vector<double>{20.0, 20.0}));
    }
}

// A MaxTransVC too large for an integer was cut to the multiple of 5 through
// an integer cast, which is undefined there and gave a 20 ft curve.
TEST(CrossSlopeTransitions, HugeTransitionCurveLengthIsCutWithoutIntegerOverflow) {
    // One break: N = 2, VC = MaxTransVC = 1e20, an exact multiple of 5.
    std::vector<double> got = BuiltLengths({Override(1000.0, 0.04, 0.0)}, 1e20);
    EXPECT_EQ(got, (std::vector<double>{1e20}));
}

TEST(CrossSlopeTransitions, RowsAtOneStationStayFinite) {
    MemoryRun memory;
    CrossSlopeBreakTable t;
    SetUpCrossSlopeTable(Card(1, 0.02, 0.0), {}, t);
    AddCrossSlopePoint(memory.run, memory.stationing, t, 100.0, 0.04, -0.04);
    AddCrossSlopePoint(memory.run, memory.stationing, t, 100.0, 0.0, 0.0);
    AddCrossSlopePoint(memory.run, memory.stationing, t, 100.0, 0.06, -0.06);
    BuildCrossSlopeTable(memory.run, memory.stationing, t);
    for (const CrossSlopeRow& row : t.rows) {
        EXPECT_TRUE(std::isfinite(row.startLeft) && std::isfinite(row.endLeft));
        EXPECT_TRUE(std::isfinite(row.startRight) && std::isfinite(row.endRight));
        EXPECT_TRUE(std::isfinite(row.vcLength));
    }
    for (double s : {0.0, 99.0, 100.0, 101.0, 500.0}) {
        EXPECT_TRUE(std::isfinite(CrossSlopeAt(t, s, CrossSlopeSide::Left)));
        EXPECT_TRUE(std::isfinite(CrossSlopeAt(t, s, CrossSlopeSide::Right)));
    }
}

}  // namespace
}  // namespace quillon::engine

// Elevation and cross slope of points left and right of the profile control
// line: one-way and crowned sections with and without a pivot, the
// parabolic crown, the texts, and the valid data limits.
#include <string>
#include <vector>

#include "engine/alignment/PointElevation.hpp"
#include "engine/alignment/tests/VerticalProfileTestSupport.hpp"

namespace quillon::engine {
namespace {

using testing::MemoryRun;

constexpr double kFeet = 1e-9;

// A straight +1 % grade through PI 10+00 at elevation 100.00.
VerticalProfile Grade() {
    VerticalProfile p;
    p.nv = 2;
    p.sta[2] = 1000.0;
    p.gr[2] = p.gr[3] = 0.01;
    p.baseElevation = 100.0;
    p.built = true;
    return p;
}

ValidDataLimits Open() { return ValidDataLimits{}; }

CrossSlopeCard Section(int crownCode, double normal) {
    CrossSlopeCard c;
    c.crownCode = crownCode;
    c.crossSlope = normal;
    return c;
}

CrossSlopeOverrideRow Override(double station, double left, double right, bool leftGiven) {
    CrossSlopeOverrideRow row;
    row.station = station;
    row.leftText = leftGiven ? "  400     " : std::string(10, ' ');
    row.left = left;
    row.right = right;
    return row;
}

// A finished, listed table of the card and overrides.
CrossSlopeBreakTable Table(const CrossSlopeCard& card,
                           const std::vector<CrossSlopeOverrideRow>& rows = {}) {
    MemoryRun memory;
    CrossSlopeBreakTable t;
    ValidDataLimits limits;
    SetUpCrossSlopeTable(card, rows, t);
    WriteCrossSlopeSection(memory.run, memory.stationing, card, t, limits);
    return t;
}

PointElevationResult At(const CrossSlopeBreakTable& t, double offset, double station,
                        double profOffset = 0.0, double shift = 0.0,
                        EngineVariant variant = EngineVariant::English) {
    MemoryRun memory(variant);
    return PointElevation(memory.run.state, Grade(), t, profOffset, Open(), {offset, station},
                          shift);
}

TEST(PointElevation, OneWaySectionOnTangent) {
    // Crown "B": right slope -0.025, left +0.025; profile 100 + 0.01*(s - 1000).
    CrossSlopeBreakTable t = Table(Section(2, 0.025));
    PointElevationResult left = At(t, -10.0, 1100.0);
    EXPECT_NEAR(left.elevation, 101.0 + 0.25, kFeet);  // 10 ft left rises 10*0.025
    EXPECT_EQ(left.elevationText, "  101.2500");
    EXPECT_EQ(left.crossSlopeText, "  0.025000");
    PointElevationResult right = At(t, 8.0, 1100.0);
    EXPECT_NEAR(right.elevation, 101.0 - 0.2, kFeet);
    EXPECT_EQ(right.crossSlopeText, " -0.025000");
    PointElevationResult onLine = At(t, 0.0, 1100.0);
    EXPECT_NEAR(onLine.elevation, 101.0, kFeet);
    EXPECT_EQ(onLine.crossSlopeText, "+/-.025000");
}

TEST(PointElevation, OneWaySectionInsideTheTable) {
    // Crown "A" (-0.02, 0.02) with an override at 1000 of right -0.025: after
    // the table ends the last row's slopes hold.
    CrossSlopeBreakTable t = Table(Section(1, 0.02), {Override(1000.0, 0.0, -0.025, false)});
    ASSERT_EQ(t.count, 2);
    PointElevationResult left = At(t, -10.0, 1100.0);
    EXPECT_NEAR(left.elevation, 101.0 + 0.25, kFeet);
    EXPECT_EQ(At(t, 0.0, 1100.0).crossSlopeText, "+/-.025000");
    // Within the table (1000 - 25 .. 1000 + 25 is the curve; 990 lies in
    // it): left slope = -right slope, evaluated from the table.
    double sR = CrossSlopeAt(t, 990.0, CrossSlopeSide::Right);
    PointElevationResult inside = At(t, -4.0, 990.0);
    EXPECT_NEAR(inside.elevation, 99.9 + 4.0 * -sR, kFeet);
}

TEST(PointElevation, CrownedSectionOnTheControlLineHasNoSlopeText) {
    CrossSlopeBreakTable t = Table(Section(3, 0.02));
    PointElevationResult onLine = At(t, 0.0, 1000.0);
    EXPECT_NEAR(onLine.elevation, 100.0, kFeet);
    EXPECT_EQ(onLine.elevationText, "  100.0000");
    EXPECT_EQ(onLine.crossSlopeText, std::string(10, ' '));
    // Both sides fall from the crown.
    EXPECT_NEAR(At(t, -12.0, 1000.0).elevation, 100.0 - 0.24, kFeet);
    EXPECT_NEAR(At(t, 12.0, 1000.0).elevation, 100.0 - 0.24, kFeet);
}

TEST(PointElevation, ProfileOffsetShiftsTheControlLine) {
    CrossSlopeBreakTable t = Table(Section(3, 0.02));
    // Control line 5 ft right of the horizontal control: a point 15 ft right
    // of the horizontal control lies 10 ft right of it; the shift adds on.
    PointElevationResult r = At(t, 15.0, 1000.0, 5.0, 0.5);
    EXPECT_NEAR(r.elevation, 100.0 - 0.2 + 0.5, kFeet);
    EXPECT_EQ(r.crossSlopeText, " -0.020000");
}

// Crown "C" with the pivot 10 ft right: row 1 (-0.02, -0.02), pivot drop
// -0.2; overrides take the section to full superelevation (0.06, -0.06) and
// to a part-way section (0.02, -0.06).
TEST(PointElevation, PivotKeepsItsHeight) {
    CrossSlopeCard card = Section(3, 0.02);
    card.pivotOffset = 10.0;
    card.pivotSide = "RIGHT     ";
    CrossSlopeBreakTable t =
        Table(card, {Override(1000.0, 0.02, -0.06, true), Override(1200.0, 0.06, -0.06, true),
                     Override(1400.0, 0.06, -0.06, true), Override(1600.0, -0.02, -0.02, true)});
    ASSERT_DOUBLE_EQ(t.pivotDrop, -0.2);
    // At 1300, straight between two full-super rows: (0.06, -0.06).
    const double profile = 103.0;
    struct Case {
        double offset, elevation;
        const char* working;
    };
    const Case full[] = {
        {10.0, profile - 0.2, "the pivot keeps its height on tangent: 10 * -0.02"},
        {20.0, profile - 0.2 - 0.6, "10 ft beyond the pivot at -0.06"},
        {0.0, profile - 0.2 + 0.6, "the control line, 10 ft inside the pivot on the plane"},
        {-5.0, profile - 0.2 + 0.9, "5 ft left: 15 ft from the pivot, rising 0.06"},
    };
    for (const Case& c : full)
        EXPECT_NEAR(At(t, c.offset, 1300.0).elevation, c.elevation, kFeet) << c.working;
    // At 1100, halfway between (0.02, -0.06) and (0.06, -0.06): (0.04, -0.06).
    // Crown at the control line: 101 - 0.2 + 10*0.06 = 101.4; 5 ft left rises 0.2.
    EXPECT_NEAR(At(t, -5.0, 1100.0).elevation, 101.4 + 5.0 * 0.04, kFeet);
    EXPECT_NEAR(At(t, 10.0, 1100.0).elevation, 101.0 - 0.2, kFeet);
    // Beyond the table the last row (-0.02, -0.02) holds: the normal crown.
    EXPECT_NEAR(At(t, -5.0, 2000.0).elevation, 110.0 - 0.1, kFeet);
    EXPECT_NEAR(At(t, 10.0, 2000.0).elevation, 110.0 - 0.2, kFeet);
}

// Pivots on the left, worked on the section as planes through the pivot.
// Profile 100 + 0.01 (s - 1000); the pivot W = 12 (or 10) ft left keeps its
// height above the profile on tangent, P0 = W times the left slope of row 1.
TEST(PointElevation, PivotOnTheLeftBothSides) {
    {
        // Crown "B" one-way: row 1 (0.02, -0.02), P0 = 12 * 0.02 = 0.24.
        // Rows 1000 (0.02, -0.02), 1200 (0.06, -0.06), 1400 (0.02, -0.02);
        // at 1100, between the 50 ft curves, the section slopes 0.04 down to
        // the right: z(y) = z_pivot + (y + 12) * -0.04, z_pivot = 101 + 0.24.
        CrossSlopeCard card = Section(2, 0.02);
        card.pivotOffset = 12.0;
        card.pivotSide = "LEFT      ";
        CrossSlopeBreakTable t =
            Table(card, {Override(1000.0, 0.02, 0.0, true), Override(1200.0, 0.06, 0.0, true),
                         Override(1400.0, 0.02, 0.0, true)});
        ASSERT_DOUBLE_EQ(t.pivotDrop, 0.24);
        struct Case {
            double offset, station, elevation;
            const char* slopeText;
            const char* working;
        };
        const Case cases[] = {
            {-12.0, 1100.0, 101.24, "  0.040000", "the pivot"},
            {-20.0, 1100.0, 101.24 + 8.0 * 0.04, "  0.040000", "8 ft beyond the pivot"},
            {0.0, 1100.0, 101.24 - 12.0 * 0.04, "+/-.040000", "the control line"},
            {10.0, 1100.0, 101.24 - 22.0 * 0.04, " -0.040000", "10 ft right"},
            {10.0, 900.0, 99.24 - 22.0 * 0.02, " -0.020000", "on tangent: 99 - 10 * 0.02"},
            {0.0, 900.0, 99.0, "+/-.020000", "on tangent the control line is on the profile"},
            {10.0, 1500.0, 105.24 - 22.0 * 0.02, " -0.020000",
             "beyond the table: the last row (0.02, -0.02)"},
        };
        for (const Case& c : cases) {
            PointElevationResult r = At(t, c.offset, c.station);
            EXPECT_NEAR(r.elevation, c.elevation, kFeet) << c.working;
            EXPECT_EQ(r.crossSlopeText, c.slopeText) << c.working;
        }
    }
    {
        // Crown "C" crowned, pivot 10 ft left: row 1 (-0.02, -0.02), P0 = -0.2.
        // Override rows at full superelevation of a left curve (-0.06, 0.06)
        // at 1000 and 1400, back to the normal crown at 1600: at 1200, on the
        // straight between the first two, the crown lies 10 * 0.06 above the
        // pivot, the left side falls 0.06 and the right rises 0.06 from it.
        CrossSlopeCard card = Section(3, 0.02);
        card.pivotOffset = 10.0;
        card.pivotSide = "LEFT      ";
        CrossSlopeBreakTable t =
            Table(card, {Override(1000.0, -0.06, 0.06, true), Override(1400.0, -0.06, 0.06, true),
                         Override(1600.0, -0.02, -0.02, true)});
        ASSERT_EQ(t.count, 4);
        const double pivot = 102.0 - 0.2;
        const double crown = pivot + 0.6;
        struct Case {
            double offset, elevation;
            const char* working;
        };
        const Case cases[] = {
            {-10.0, pivot, "the pivot"},
            {-15.0, crown - 15.0 * 0.06, "15 ft left of the crown"},
            {12.0, crown + 12.0 * 0.06, "12 ft right of the crown"},
        };
        for (const Case& c : cases)
            EXPECT_NEAR(At(t, c.offset, 1200.0).elevation, c.elevation, kFeet) << c.working;
        EXPECT_EQ(At(t, 0.0, 1200.0).crossSlopeText, std::string(10, ' '));
    }
}

TEST(PointElevation, ParabolicCrown) {
    CrossSlopeCard card;
    card.crownCode = 5;
    card.crownWidth = 24.0;
    card.crownHeight = 3.0;
    CrossSlopeBreakTable t = Table(card);
    // w = 12, h = 0.25, a = -0.25/144.
    PointElevationResult edge = At(t, 12.0, 1000.0);
    EXPECT_NEAR(edge.elevation, 100.0 - 0.25, kFeet);
    EXPECT_EQ(edge.crossSlopeText, " -0.041667");
    PointElevationResult half = At(t, -6.0, 1000.0);
    EXPECT_NEAR(half.elevation, 100.0 - 0.25 / 144.0 * 36.0, kFeet);  // a x^2
    EXPECT_EQ(half.crossSlopeText, " -0.020833");                     // 2 a x
    PointElevationResult beyond = At(t, 22.0, 1000.0);
    EXPECT_NEAR(beyond.elevation, 100.0 - 0.25 - 10.0 * 0.5 / 12.0, kFeet);
    card.crownRight = -0.02;
    CrossSlopeBreakTable given = Table(card);
    PointElevationResult givenEdge = At(given, 12.0, 1000.0);
    EXPECT_NEAR(givenEdge.elevation, 100.0 - 0.25, kFeet);
    EXPECT_EQ(givenEdge.crossSlopeText, std::string(10, ' '));
    EXPECT_NEAR(At(given, 22.0, 1000.0).elevation, 100.0 - 0.25 - 0.2, kFeet);
}

TEST(PointElevation, OutsideTheLimitsIsBlank) {
    CrossSlopeBreakTable t = Table(Section(3, 0.02));
    ValidDataLimits limits;
    limits.begin = 900.0;
    limits.end = 1100.0;
    MemoryRun memory;
    for (double station : {899.0, 1100.5}) {
        PointElevationResult r =
            PointElevation(memory.run.state, Grade(), t, 0.0, limits, {5.0, station}, 1.0);
        EXPECT_EQ(r.elevation, 0.0);
        EXPECT_EQ(r.elevationText, std::string(10, ' '));
        EXPECT_EQ(r.crossSlopeText, std::string(10, ' '));
    }
    limits.SetEmpty();  // after a fatal error nothing lies inside
    EXPECT_EQ(
        PointElevation(memory.run.state, Grade(), t, 0.0, limits, {5.0, 1000.0}, 0.0).elevation,
        0.0);
}

TEST(PointElevation, MetricElevationTextInMetres) {
    CrossSlopeBreakTable t = Table(Section(3, 0.02));
    PointElevationResult r = At(t, 0.0, 1000.0, 0.0, 0.0, EngineVariant::Metric);
    EXPECT_NEAR(r.elevation, 100.0, kFeet);    // feet in both builds
    EXPECT_EQ(r.elevationText, "   30.4801");  // 100 ft * 0.3048006096 m
}

TEST(PointElevation, EmptyTableAndFlatProfileStayFinite) {
    CrossSlopeBreakTable empty;
    empty.crownCode = 1;
    VerticalProfile flat;
    MemoryRun memory;
    PointElevationResult r =
        PointElevation(memory.run.state, flat, empty, 0.0, Open(), {5.0, 10.0}, 0.0);
    EXPECT_EQ(r.elevation, 0.0);
    EXPECT_EQ(CrossSlopeAt(empty, 10.0, CrossSlopeSide::Left), 0.0);
}

}  // namespace
}  // namespace quillon::engine

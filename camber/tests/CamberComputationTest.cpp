#include <gtest/gtest.h>

#include <cmath>

#include "CamberTestSupport.hpp"
#include "camber/CamberComputation.hpp"

namespace quillon::camber {
namespace {

using testing::ComputeFirstProblem;
using testing::ReadFixture;

// Chord and corrected elevations are compared within 0.0001 ft: the single
// precision of a value near 500 ft is about 0.00003 ft.
constexpr float kElevationTolerance = 1.0e-4f;

// Off-sets and blocking dimensions are exact to the printed hundredths: the
// hand values below lie at least 0.0004 ft from any rounding tie.
float Hundredths(float value) { return std::round(value * 100.0f) / 100.0f; }

TEST(CamberComputation, LevelSpanWithParabolicDeadLoad) {
    // One span of 100 ft, tenth points, both splice points (the girder ends)
    // at elevation 100.0, the girder level (GEOEL = 100.0 everywhere), dead
    // load deflection 1.44 t (1 - t) at t = 0, 0.1, ... 1 (0.36 at midspan).
    // Both ends take no deflection, so the chord is level at 100.0 and
    // CAMBER = 100 + DEFEL - 100 = DEFEL:
    //   0, .1296, .2304, .3024, .3456, .36, .3456, .3024, .2304, .1296, 0
    auto c = ComputeFirstProblem(ReadFixture("level-span.cmb"));
    const auto& t = c.tables;
    EXPECT_FALSE(c.check.reported);
    EXPECT_EQ(t.pointSpacings, (std::vector<float>{10.0f}));
    EXPECT_EQ(t.spliceDeflections, (std::vector<float>{0.0f, 0.0f}));
    EXPECT_EQ(t.correctedSpliceElevations, (std::vector<float>{100.0f, 100.0f}));
    EXPECT_EQ(t.chordSlopes, (std::vector<float>{0.0f}));
    const float expected[11] = {0.00f, 0.13f, 0.23f, 0.30f, 0.35f, 0.36f,
                                0.35f, 0.30f, 0.23f, 0.13f, 0.00f};
    for (std::size_t p = 0; p < 11; ++p) {
        EXPECT_EQ(t.pointDistances[0][p], 10.0f * static_cast<float>(p));
        EXPECT_NEAR(t.chordElevations[0][p], 100.0f, kElevationTolerance);
        EXPECT_FLOAT_EQ(Hundredths(t.camberOffsets[0][p]), expected[p]) << "point " << p + 1;
    }
    EXPECT_NEAR(t.camberOffsets[0][5], 0.36f, 1e-5f);
    ASSERT_EQ(t.columns.size(), 2u);
    EXPECT_EQ(t.columns[0].label, "     ABUT ");
    EXPECT_EQ(t.columns[1].label, "     ABUT ");
    EXPECT_EQ(t.columns[1].location, 100.0f);
    EXPECT_EQ(t.baseLineElevation, 100.0f);
    EXPECT_EQ(t.columns[0].dimension, 0.0f);
    EXPECT_EQ(t.columns[1].dimension, 0.0f);
    EXPECT_TRUE(t.pierLocations.empty());
}

TEST(CamberComputation, TwoSpansWithASpliceBetweenTenthPointsAndAPier) {
    // Spans 100 and 120 ft, tenth points: DX = 10 and 12. Grade line
    // GEOEL = 500 + 0.01 x. Dead load t(1-t) in span 1 (0.25 at midspan),
    // 1.44 t(1-t) in span 2 (0.36 at midspan). Splice points at 0, 125, 220
    // with SPEL = 500.0, 501.25, 502.2 (on the grade).
    //
    // Splice at 125: past span 1 (125 - 100 > 0), so span 2 with xs = 100;
    // d = 25, n = trunc(25 / 12) = 2, point p = 3 at xp = 124, e = 1.
    // a = DEFEL(2,3) = 1.44 * .2 * .8 = .2304, b = DEFEL(2,4) = 1.44 * .3 * .7
    // = .3024; a < b: DEFSPL = .2304 + .072 * 1 / 12 = .2364.
    // CSPEL = 500, 501.4864, 502.2.
    // SLOPE(1) = 1.4864 / 125 = .0118912; SLOPE(2) = .7136 / 95 = .00751157895.
    auto c = ComputeFirstProblem(ReadFixture("two-spans-splice.cmb"));
    const auto& t = c.tables;
    EXPECT_EQ(t.pointSpacings, (std::vector<float>{10.0f, 12.0f}));
    ASSERT_EQ(t.spliceDeflections.size(), 3u);
    EXPECT_EQ(t.spliceDeflections[0], 0.0f);
    EXPECT_NEAR(t.spliceDeflections[1], 0.2364f, 1e-6f);
    EXPECT_EQ(t.spliceDeflections[2], 0.0f);
    EXPECT_NEAR(t.correctedSpliceElevations[1], 501.4864f, kElevationTolerance);
    EXPECT_NEAR(t.chordSlopes[0], 0.0118912f, 1e-6f);
    EXPECT_NEAR(t.chordSlopes[1], 0.00751157895f, 1e-6f);

    // Chord: 500 + .0118912 x up to the splice, 501.4864 + .00751157895 (x - 125)
    // after it. x = 100: 501.18912; 112: 501.3318144; 124: 501.4745088 (still
    // the first chord: 124 - 125 is not > 0); 136: 501.5690274; 220: 502.2.
    EXPECT_NEAR(t.chordElevations[0][10], 501.18912f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[1][0], 501.18912f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[1][1], 501.3318144f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[1][2], 501.4745088f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[1][3], 501.5690274f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[1][10], 502.2f, kElevationTolerance);

    // CAMBER = GEOEL + DEFEL - CHORD.
    // Span 1: .01x + t(1-t) - .0118912x = t(1-t) - .0018912x:
    //   0, .071088, .122176, .153264, .164352, .15544, .126528, .077616,
    //   .008704, -.080208, -.18912
    // Span 2 (x = 100 + 12i): -.18912, -.0822144, -.0041088, .0933726,
    //   .1664337, .2106947, .2261558, .2128168, .1706779, .0997389, 0
    const float span1[11] = {0.00f, 0.07f, 0.12f, 0.15f,  0.16f, 0.16f,
                             0.13f, 0.08f, 0.01f, -0.08f, -0.19f};
    const float span2[11] = {-0.19f, -0.08f, 0.00f, 0.09f, 0.17f, 0.21f,
                             0.23f,  0.21f,  0.17f, 0.10f, 0.00f};
    for (std::size_t p = 0; p < 11; ++p) {
        EXPECT_FLOAT_EQ(Hundredths(t.camberOffsets[0][p]), span1[p]) << "span 1 point " << p + 1;
        EXPECT_FLOAT_EQ(Hundredths(t.camberOffsets[1][p]), span2[p]) << "span 2 point " << p + 1;
    }
    EXPECT_EQ(t.pointDistances[1][0], 100.0f);
    EXPECT_EQ(t.pointDistances[1][10], 220.0f);

    // Pier 1 at 100 with GEOEL(2,1) = 501.0. Columns in order of location:
    // ABUT 0 (500), PIER 2 100 (501), SPL 1 125 (501.4864), ABUT 220 (502.2).
    // BASEL = 500; dimensions 0, 1.00, 1.49, 2.20.
    EXPECT_EQ(t.pierLocations, (std::vector<float>{100.0f}));
    EXPECT_EQ(t.pierElevations, (std::vector<float>{501.0f}));
    ASSERT_EQ(t.columns.size(), 4u);
    const char* labels[4] = {"     ABUT ", "   PIER 2 ", "    SPL 1 ", "     ABUT "};
    const float x[4] = {0.0f, 100.0f, 125.0f, 220.0f};
    const float dims[4] = {0.00f, 1.00f, 1.49f, 2.20f};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t.columns[i].label, labels[i]);
        EXPECT_EQ(t.columns[i].location, x[i]);
        EXPECT_FLOAT_EQ(Hundredths(t.columns[i].dimension), dims[i]) << "column " << i + 1;
    }
    EXPECT_EQ(t.baseLineElevation, 500.0f);
}

TEST(CamberComputation, TwentiethPointsUnequalSpansAndASpliceOverThePier) {
    // Spans 80 and 100 ft, twentieth points: DX = 4 and 5. Crest curve
    // GEOEL = 300 + 0.02 x - 0.0001 x^2; dead load 0.8 t(1-t) in span 1 and
    // 1.2 t(1-t) in span 2. Splice points at 0, 80 (over the pier), 180 with
    // SPEL = 300, 300.96, 300.36.
    //
    // Splice at 80: 80 - xe(80) is not > 0, so it stays in span 1; d = 80,
    // n = 20, p = 21, e = 0; p + 1 > 21, so the point after is point 2 of
    // span 2 with h = 5. a = DEFEL(1,21) = 0, b = .057: DEFSPL = 0.
    // SLOPE(1) = .96 / 80 = .012, SLOPE(2) = -.6 / 100 = -.006.
    auto c = ComputeFirstProblem(ReadFixture("twentieth-splice-over-pier.cmb"));
    const auto& t = c.tables;
    EXPECT_EQ(t.pointSpacings, (std::vector<float>{4.0f, 5.0f}));
    EXPECT_EQ(t.spliceDeflections, (std::vector<float>{0.0f, 0.0f, 0.0f}));
    EXPECT_NEAR(t.chordSlopes[0], 0.012f, 1e-6f);
    EXPECT_NEAR(t.chordSlopes[1], -0.006f, 1e-6f);

    // Span 1, x = 4i: GEOEL - CHORD = x (.008 - .0001x), plus .8 t(1-t):
    //   0, .0684, .1296, .1836, .2304, .27, .3024, .3276, .3456, .3564, .36,
    //   then the same back down to 0 at the pier.
    // Span 2, u = x - 80 = 5i: GEOEL - CHORD = u (.01 - .0001u), plus
    //   1.2 t(1-t): 0, .1045, .198, .2805, .352, .4125, .462, .5005, .528,
    //   .5445, .55, and back down.
    const float span1[21] = {0.00f, 0.07f, 0.13f, 0.18f, 0.23f, 0.27f, 0.30f,
                             0.33f, 0.35f, 0.36f, 0.36f, 0.36f, 0.35f, 0.33f,
                             0.30f, 0.27f, 0.23f, 0.18f, 0.13f, 0.07f, 0.00f};
    const float span2[21] = {0.00f, 0.10f, 0.20f, 0.28f, 0.35f, 0.41f, 0.46f,
                             0.50f, 0.53f, 0.54f, 0.55f, 0.54f, 0.53f, 0.50f,
                             0.46f, 0.41f, 0.35f, 0.28f, 0.20f, 0.10f, 0.00f};
    for (std::size_t p = 0; p < 21; ++p) {
        EXPECT_EQ(t.pointDistances[0][p], 4.0f * static_cast<float>(p));
        EXPECT_EQ(t.pointDistances[1][p], 80.0f + 5.0f * static_cast<float>(p));
        EXPECT_FLOAT_EQ(Hundredths(t.camberOffsets[0][p]), span1[p]) << "span 1 point " << p + 1;
        EXPECT_FLOAT_EQ(Hundredths(t.camberOffsets[1][p]), span2[p]) << "span 2 point " << p + 1;
    }
    // Chord: 300 + .012x, then 300.96 - .006 (x - 80). x = 40: 300.48;
    // x = 80 (both spans): 300.96; x = 130: 300.66; x = 180: 300.36.
    EXPECT_NEAR(t.chordElevations[0][10], 300.48f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[0][20], 300.96f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[1][0], 300.96f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[1][10], 300.66f, kElevationTolerance);
    EXPECT_NEAR(t.chordElevations[1][20], 300.36f, kElevationTolerance);

    // The pier column comes before the splice column at the same place.
    // BASEL = 300; PIER 2: 300.96 - 300 = .96; SPL 1: .96; ABUT 180: .36.
    ASSERT_EQ(t.columns.size(), 4u);
    EXPECT_EQ(t.columns[1].label, "   PIER 2 ");
    EXPECT_EQ(t.columns[2].label, "    SPL 1 ");
    EXPECT_EQ(t.columns[1].location, 80.0f);
    EXPECT_EQ(t.columns[2].location, 80.0f);
    EXPECT_EQ(t.baseLineElevation, 300.0f);
    const float dims[4] = {0.00f, 0.96f, 0.96f, 0.36f};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(Hundredths(t.columns[i].dimension), dims[i]) << "column " << i + 1;
}

// A problem built in place: spans, splice locations and elevations; GEOEL
// and DEFEL start at zero.
CamberProblem Problem(int pointsOption, std::vector<float> spans, std::vector<float> locations,
                      std::vector<float> elevations) {
    CamberProblem p;
    p.pointsOption = pointsOption;
    p.description = std::string(72, ' ');
    p.spansAsRead = static_cast<int>(spans.size());
    p.splicesAsRead = static_cast<int>(locations.size());
    p.spanLengths = std::move(spans);
    p.spliceLocations = std::move(locations);
    p.spliceElevations = std::move(elevations);
    p.geometricElevations.assign(p.spanLengths.size(), SpanPoints{});
    p.deflections.assign(p.spanLengths.size(), SpanPoints{});
    return p;
}

TEST(CamberComputation, SpliceOnATenthPointTakesThatPointsDeflection) {
    // Spans 100 + 100, splice at 120: span 2, d = 20, n = 2, e = 0, so
    // DEFSPL(2) = DEFEL(2,3) whichever of the two neighbours is larger.
    for (float after : {0.3f, 0.1f}) {
        auto p = Problem(1, {100.0f, 100.0f}, {0.0f, 120.0f, 200.0f}, {10.0f, 10.0f, 10.0f});
        p.deflections[1][2] = 0.2f;
        p.deflections[1][3] = after;
        CheckLastSplice(p);
        auto t = ComputeCamber(p);
        EXPECT_FLOAT_EQ(t.spliceDeflections[1], 0.2f);
        ASSERT_EQ(t.columns.size(), 4u);
        EXPECT_EQ(t.columns[1].label, "   PIER 2 ");
        EXPECT_EQ(t.columns[2].label, "    SPL 1 ");
        EXPECT_EQ(t.columns[2].location, 120.0f);
    }
}

TEST(CamberComputation, SpliceOverThePierTakesTheLastPointOfTheSpanBefore) {
    // Splice at 100 over the pier of spans 100 + 100: it stays in span 1,
    // n = 10, e = 0: DEFEL(1,11) = .02 (not DEFEL(2,1) = .05); the point
    // after is DEFEL(2,2) = .08 at spacing DX(2).
    auto p = Problem(1, {100.0f, 100.0f}, {0.0f, 100.0f, 200.0f}, {10.0f, 10.0f, 10.0f});
    p.deflections[0][10] = 0.02f;
    p.deflections[1][0] = 0.05f;
    p.deflections[1][1] = 0.08f;
    auto t = ComputeCamber(p);
    EXPECT_FLOAT_EQ(t.spliceDeflections[1], 0.02f);
    EXPECT_EQ(t.columns[1].label, "   PIER 2 ");
    EXPECT_EQ(t.columns[2].label, "    SPL 1 ");
}

TEST(CamberComputation, DeflectionBetweenPointsIsTheStraightLineFromEitherSide) {
    // Spans 100 + 100, splice at 43: span 1, n = 4, xp = 40, e = 3, h = 10.
    // Between DEFEL(1,5) = .4 and DEFEL(1,6) = .6 the line gives .46; from
    // .6 down to .4 it gives .4 + (10 - 3)(.6 - .4)/10 = .54.
    for (bool rising : {true, false}) {
        auto p = Problem(1, {100.0f, 100.0f}, {0.0f, 43.0f, 200.0f}, {10.0f, 10.0f, 10.0f});
        p.deflections[0][4] = rising ? 0.4f : 0.6f;
        p.deflections[0][5] = rising ? 0.6f : 0.4f;
        auto t = ComputeCamber(p);
        EXPECT_NEAR(t.spliceDeflections[1], rising ? 0.46f : 0.54f, 1e-6f);
    }
}

TEST(CamberComputation, BaseLineIgnoresALowerPier) {
    // Splice elevations 10, 10; the pier (GEOEL(2,1)) at 9: BASEL = 10 and
    // the pier's blocking dimension is 9 - 10 = -1.
    auto p = Problem(1, {50.0f, 50.0f}, {0.0f, 100.0f}, {10.0f, 10.0f});
    p.geometricElevations[1][0] = 9.0f;
    auto t = ComputeCamber(p);
    EXPECT_EQ(t.baseLineElevation, 10.0f);
    ASSERT_EQ(t.columns.size(), 3u);
    EXPECT_EQ(t.columns[1].dimension, -1.0f);
}

TEST(CamberComputation, OneSpanChordRunsStraightBetweenTheEnds) {
    // SPEL 100 at 0 and 102 at 50: slope .04; with GEOEL = 101 and DEFEL = .1
    // everywhere, CAMBER = 101.1 - (100 + .04 x): at x = 25, .1.
    auto p = Problem(1, {50.0f}, {0.0f, 50.0f}, {100.0f, 102.0f});
    p.geometricElevations[0].fill(101.0f);
    p.deflections[0].fill(0.1f);
    auto t = ComputeCamber(p);
    EXPECT_EQ(t.spliceDeflections, (std::vector<float>{0.0f, 0.0f}));
    EXPECT_NEAR(t.camberOffsets[0][5], 0.1f, 1e-4f);
    EXPECT_NEAR(t.camberOffsets[0][0], 1.1f, 1e-4f);
    EXPECT_NEAR(t.camberOffsets[0][10], -0.9f, 1e-4f);
}

TEST(CamberComputation, TwentiethPointChordSearchHasARelativeTolerance) {
    // Spans 100 + 100, splice points at 0, s, 200 with elevations 0, 10, 0,
    // no dead load. At the pier point x = 100 the rising chord gives
    // 100 * 10 / s and the falling one 10 - 10 (100 - s) / (200 - s).
    auto chordAtPier = [](int pointsOption, float splice) {
        auto p =
            Problem(pointsOption, {100.0f, 100.0f}, {0.0f, splice, 200.0f}, {0.0f, 10.0f, 0.0f});
        auto t = ComputeCamber(p);
        return t.chordElevations[0][static_cast<size_t>(p.PointsPerSpan() - 1)];
    };
    // s = 99.9995: (100 - s) / s = 5e-6, within 1e-5 of twentieth points, so
    // the rising chord: 10.00005; tenth points: 100 - s > 0, the falling
    // chord: 9.99995.
    EXPECT_NEAR(chordAtPier(2, 99.9995f), 10.00005f, 1e-5f);
    EXPECT_NEAR(chordAtPier(1, 99.9995f), 9.99995f, 1e-5f);
    // s = 99.99: 1.0001e-4 is beyond the tolerance: the falling chord,
    // 10 - .1 / 100.01 = 9.9990001.
    EXPECT_NEAR(chordAtPier(2, 99.99f), 9.9990001f, 1e-5f);
}

// --- the splice check ------------------------------------------------------

TEST(CamberComputation, LastSpliceWithinTheToleranceIsSetQuietly) {
    // 100.0002 + 100.0002 = 200.0004; a last location of 200.000 is within
    // 0.001: no block, but the location becomes 200.0004.
    auto p = Problem(1, {100.0002f, 100.0002f}, {0.0f, 200.0f}, {0.0f, 0.0f});
    auto check = CheckLastSplice(p);
    EXPECT_FALSE(check.reported);
    EXPECT_EQ(p.spliceLocations[1], 100.0002f + 100.0002f);
    EXPECT_NEAR(p.spliceLocations[1], 200.0004f, 1e-5f);
}

TEST(CamberComputation, LastSpliceBeyondTheToleranceIsReportedAndSet) {
    auto p = Problem(1, {100.0002f, 100.0002f}, {0.0f, 200.01f}, {0.0f, 0.0f});
    auto check = CheckLastSplice(p);
    EXPECT_TRUE(check.reported);
    EXPECT_EQ(check.locationAsRead, 200.01f);
    EXPECT_EQ(check.spanSum, 100.0002f + 100.0002f);
    EXPECT_EQ(p.spliceLocations[1], check.spanSum);
}

TEST(CamberComputation, LabelsRightAlignedInNineColumnsAndABlank) {
    EXPECT_EQ(SpliceLabel(1, 55), "     ABUT ");
    EXPECT_EQ(SpliceLabel(55, 55), "     ABUT ");
    EXPECT_EQ(SpliceLabel(2, 55), "    SPL 1 ");
    EXPECT_EQ(SpliceLabel(54, 55), "   SPL 53 ");
    EXPECT_EQ(PierLabel(1), "   PIER 2 ");
    EXPECT_EQ(PierLabel(31), "  PIER 32 ");
}

}  // namespace
}  // namespace quillon::camber

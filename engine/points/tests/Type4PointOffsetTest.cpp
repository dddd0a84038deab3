// The type 4 offset rule at a point, on a straight horizontal control (the
// HC frame's y axis, TS at 0), against offsets worked by hand and a
// bisection of the crossing equation.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/alignment/PointElevation.hpp"
#include "engine/geometry/Lines.hpp"
#include "engine/points/Type4PointOffset.hpp"

namespace quillon::engine {
namespace {

using geometry::Pair;

constexpr double kLength = 1e-8;  // feet
constexpr double kPi = 3.141592653589793;

// A break table of (station, right slope) rows, straight between them; the
// first row holds the slopes on tangent.
CrossSlopeBreakTable Slopes(const std::vector<std::pair<double, double>>& rows) {
    CrossSlopeBreakTable table;
    table.crownCode = 1;
    for (const auto& [station, right] : rows) {
        CrossSlopeRow row;
        row.station = station;
        row.right = right;
        row.left = -right;
        table.rows.push_back(row);
    }
    table.count = static_cast<int>(rows.size());
    return table;
}

// A line crossing the straight control at station s0, skewed by alpha (a
// positive skew turns it clockwise from the normal): it meets the parallel
// at offset q at station s0 - q tan(alpha).
Pair Guide(double s0, double alpha) {
    geometry::KernelStatus status;
    return geometry::LineThroughPointAndDirection(Pair(0.0, s0),
                                                  Pair(std::cos(alpha), -std::sin(alpha)), status);
}

struct Solve {
    geometry::HorizontalAlignment h;
    geometry::AlignmentFrame frame;
    CrossSlopeBreakTable slopes;
    Type4Line line;
    Type4Point point;
    Pair result, guide, offsetPair;
    geometry::KernelStatus status;

    Type4Solution Run(bool fixedStation = false) {
        return SolveType4PointOffset(h, frame, slopes, line, point, result, guide, offsetPair,
                                     status, fixedStation);
    }
};

Solve Type4(double base, double d, double y, CrossSlopeBreakTable slopes, Pair guide, Pair start) {
    Solve solve;
    solve.slopes = std::move(slopes);
    solve.line = {4, d, y, base};
    solve.point.point = start;
    solve.point.offset = -99.0;
    solve.point.elevationShift = -99.0;
    solve.guide = guide;
    return solve;
}

TEST(SolveType4PointOffset, AFlatSlopeGivesBasePlusDAndTheShiftItself) {
    // theta = 0: t = base + d = 2 + 10 = 12, shift Y / cos 0 = 0.5. The line
    // square to the control at station 100 is y = 100.
    Solve solve = Type4(2.0, 10.0, 0.5, Slopes({{-5e8, 0.0}}), Pair(0.0, 100.0), Pair(0, 100));
    const Type4Solution solution = solve.Run();
    EXPECT_EQ(solution.outcome, Type4Outcome::Settled);
    EXPECT_FALSE(solve.status.failed);
    EXPECT_NEAR(solve.result.real(), 12.0, kLength);
    EXPECT_NEAR(solve.result.imag(), 100.0, kLength);
    EXPECT_EQ(solve.offsetPair, Pair(solve.result.real(), 0.0));
    EXPECT_NEAR(solve.point.offset, 12.0, kLength);
    EXPECT_DOUBLE_EQ(solve.point.elevationShift, 0.5);
    // Pass 1 moves the offset from 0 to 12; pass 2 finds both still.
    EXPECT_EQ(solution.passes, 2);
}

TEST(SolveType4PointOffset, AConstantSlopeGivesTheSlopedDistanceAndShift) {
    // cos(theta) = 1/sqrt(1 + e^2), sin(theta) = e/sqrt(1 + e^2), so
    // t = base + (d - Y e)/sqrt(1 + e^2) and the shift is Y sqrt(1 + e^2).
    const double e = 0.04, base = 3.0, d = 24.0, y = 0.75;
    const double root = std::sqrt(1.0 + e * e);
    const double t = base + (d - y * e) / root;
    const double alpha = 20.0 * kPi / 180.0;
    Solve solve = Type4(base, d, y, Slopes({{-5e8, e}}), Guide(500.0, alpha), Pair(0, 480));
    EXPECT_EQ(solve.Run().outcome, Type4Outcome::Settled);
    EXPECT_NEAR(solve.point.offset, t, kLength);
    EXPECT_NEAR(solve.result.real(), t, kLength);
    EXPECT_NEAR(solve.result.imag(), 500.0 - t * std::tan(alpha), kLength);
    EXPECT_NEAR(solve.point.elevationShift, y * root, 1e-12);
}

// t(s) of the rule, for the bisection.
double Target(const CrossSlopeBreakTable& slopes, const Type4Line& line, double s) {
    const double theta = std::atan(CrossSlopeAt(slopes, s, CrossSlopeSide::Right));
    return line.baseOffset + line.nominalOffset * std::cos(theta) -
           line.normalShift * std::sin(theta);
}

TEST(SolveType4PointOffset, InATransitionItFindsTheRootOfTheCrossingEquation) {
    // Right slope 0.02 up to station 100, falling straight to -0.06 at 200.
    // On the guide skewed alpha through station S0 the point at offset t lies
    // at station S0 - t tan(alpha); the solve must find the root of
    // g(s) = s - S0 + t(s) tan(alpha), found here by bisection.
    const double s0 = 150.0, alpha = 30.0 * kPi / 180.0;
    Solve solve = Type4(1.5, 20.0, 1.0, Slopes({{-5e8, 0.02}, {100.0, 0.02}, {200.0, -0.06}}),
                        Guide(s0, alpha), Pair(0.0, s0));
    const Type4Solution solution = solve.Run();
    ASSERT_EQ(solution.outcome, Type4Outcome::Settled);

    auto g = [&](double s) {
        return s - s0 + Target(solve.slopes, solve.line, s) * std::tan(alpha);
    };
    double lo = 100.0, hi = 200.0;
    ASSERT_LT(g(lo) * g(hi), 0.0);
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (g(lo) * g(mid) <= 0.0 ? hi : lo) = mid;
    }
    const double root = 0.5 * (lo + hi);
    EXPECT_GT(root, 100.0);  // inside the transition
    EXPECT_LT(root, 200.0);
    EXPECT_NEAR(solve.result.imag(), root, 1e-5);
    EXPECT_NEAR(solve.point.offset, Target(solve.slopes, solve.line, root), 1e-5);
    // The point lies on the guide: Dot2(Z, F) = Dot2(F, F).
    const Pair foot = solve.guide;
    EXPECT_NEAR(geometry::Dot2(solve.point.point, foot) / std::abs(foot), std::abs(foot), kLength);
    EXPECT_GT(solution.passes, 2);
}

TEST(SolveType4PointOffset, AFixedStationTakesOnePass) {
    // The guide is a station-offset pair whose station stays: the point lands
    // at (t, 240) at once, t = 5 + 12 cos(theta) - 2 sin(theta) with
    // tan(theta) = 0.05 at the start's station.
    const double e = 0.05, theta = std::atan(e);
    const double t = 5.0 + 12.0 * std::cos(theta) - 2.0 * std::sin(theta);
    Solve solve = Type4(5.0, 12.0, 2.0, Slopes({{-5e8, e}}), Pair(77.0, 240.0), Pair(0, 240));
    const Type4Solution solution = solve.Run(true);
    EXPECT_EQ(solution.outcome, Type4Outcome::Settled);
    EXPECT_EQ(solution.passes, 1);
    EXPECT_NEAR(solve.result.real(), t, kLength);
    EXPECT_DOUBLE_EQ(solve.result.imag(), 240.0);
    EXPECT_EQ(solve.guide, solve.result);
    EXPECT_NEAR(std::abs(solve.point.point - Pair(t, 240.0)), 0.0, kLength);
    EXPECT_NEAR(solve.point.elevationShift, 2.0 / std::cos(theta), 1e-12);
}

TEST(SolveType4PointOffset, LinesBelowType4AreOnlyLocated) {
    Solve solve = Type4(5.0, 12.0, 2.0, Slopes({{-5e8, 0.05}}), Guide(100.0, 0.0), Pair(7, 90));
    solve.line.lineType = 0;
    const Type4Solution solution = solve.Run();
    EXPECT_EQ(solution.outcome, Type4Outcome::Located);
    EXPECT_EQ(solution.passes, 0);
    EXPECT_NEAR(std::abs(solve.result - Pair(7.0, 90.0)), 0.0, kLength);
    EXPECT_EQ(solve.offsetPair, Pair(solve.result.real(), 0.0));
    EXPECT_EQ(solve.point.point, Pair(7.0, 90.0));
    EXPECT_EQ(solve.point.offset, -99.0);
    EXPECT_EQ(solve.point.elevationShift, -99.0);
}

TEST(SolveType4PointOffset, AStatusSetOnEntryChangesNothing) {
    Solve solve = Type4(5.0, 12.0, 2.0, Slopes({{-5e8, 0.05}}), Guide(100.0, 0.0), Pair(7, 90));
    solve.status.failed = true;
    EXPECT_EQ(solve.Run().outcome, Type4Outcome::Located);
    EXPECT_EQ(solve.result, Pair(0.0, 0.0));
    EXPECT_EQ(solve.point.offset, -99.0);
    EXPECT_EQ(solve.point.elevationShift, -99.0);
}

TEST(SolveType4PointOffset, AFailedCrossingLeavesOffsetAndShift) {
    // A guide along the control never meets the parallel at t.
    Solve solve = Type4(5.0, 12.0, 2.0, Slopes({{-5e8, 0.0}}), Pair(1.0, 0.0), Pair(0, 90));
    const Type4Solution solution = solve.Run();
    EXPECT_EQ(solution.outcome, Type4Outcome::Failed);
    EXPECT_TRUE(solve.status.failed);
    EXPECT_EQ(solve.point.offset, -99.0);
    EXPECT_EQ(solve.point.elevationShift, -99.0);
    EXPECT_NEAR(std::abs(solve.result - Pair(0.0, 90.0)), 0.0, kLength);
}

TEST(SolveType4PointOffset, AnOscillatingCrossingStopsAfter100Passes) {
    // The slope falls from 0.1 to -0.1 between stations 100 and 110 and the
    // guide through station 105 is skewed 89.9 degrees: with d = 0 and Y = 5,
    // t = -5 sin(theta) = -+0.4975 sends the crossing 0.4975 tan(89.9 deg) =
    // 285 ft to either side, beyond the transition, where the other slope
    // sends it back: it swings between two stations for ever.
    const double alpha = 89.9 * kPi / 180.0;
    Solve solve = Type4(0.0, 0.0, 5.0, Slopes({{-5e8, 0.1}, {100.0, 0.1}, {110.0, -0.1}}),
                        Guide(105.0, alpha), Pair(0.0, 100.0));
    const Type4Solution solution = solve.Run();
    EXPECT_EQ(solution.outcome, Type4Outcome::NotConverged);
    EXPECT_EQ(solution.passes, kMostType4Passes);
    EXPECT_TRUE(solve.status.failed);
    EXPECT_EQ(solve.point.offset, -99.0);
    EXPECT_EQ(solve.point.elevationShift, -99.0);
    const double swing = 5.0 * std::sin(std::atan(0.1)) * std::tan(alpha);
    EXPECT_NEAR(std::abs(solve.result.imag() - 105.0), swing, 1e-6);
}

}  // namespace
}  // namespace quillon::engine

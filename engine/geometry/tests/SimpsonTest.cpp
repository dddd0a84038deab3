// Simpson's rule against integrals worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/geometry/Pair.hpp"
#include "engine/geometry/Simpson.hpp"

namespace g = quillon::geometry;

namespace {

TEST(IntegrateSimpson, ACubicIsExact) {
    // The integral of x^3 - 2x + 1 from 0 to 2 is 2^4/4 - 2^2 + 2 = 2 by hand;
    // Simpson's rule has no error on a cubic.
    auto cubic = [](double x) { return x * x * x - 2.0 * x + 1.0; };
    EXPECT_NEAR(g::IntegrateSimpson(cubic, 0.0, 2.0, 1e-6), 2.0, 1e-12);
    // Reversed limits give the negative.
    EXPECT_NEAR(g::IntegrateSimpson(cubic, 2.0, 0.0, 1e-6), -2.0, 1e-12);
}

TEST(IntegrateSimpson, SineOverHalfATurnIsTwo) {
    // The integral of sin from 0 to pi is -cos(pi) + cos(0) = 2.
    auto sine = [](double x) { return std::sin(x); };
    EXPECT_NEAR(g::IntegrateSimpson(sine, 0.0, quillon::angles::kPi, 1e-6), 2.0, 1e-6);
    // A tighter tolerance gets closer.
    EXPECT_NEAR(g::IntegrateSimpson(sine, 0.0, quillon::angles::kPi, 1e-11), 2.0, 1e-10);
}

TEST(IntegrateSimpson, ZeroFunctionGivesZeroAtEightIntervals) {
    int calls = 0;
    auto zero = [&calls](double) {
        ++calls;
        return 0.0;
    };
    EXPECT_EQ(g::IntegrateSimpson(zero, -3.0, 5.0, 1e-6), 0.0);
    // The ends and the inner points of 8 intervals: 2 + 7 calls; the
    // previous estimate of exactly 0 stops it there.
    EXPECT_EQ(calls, 9);
}

TEST(IntegrateSimpson, EqualLimitsGiveZero) {
    auto one = [](double) { return 1.0; };
    EXPECT_EQ(g::IntegrateSimpson(one, 4.0, 4.0, 1e-6), 0.0);
}

TEST(IntegrateSimpson, AStepThatNeverSettlesStopsAt16384Intervals) {
    // A jump at 0.3 keeps the estimates apart by about h: the halving runs to
    // its limit and returns the last estimate, which lies within about one
    // interval of the exact 0.7.
    int calls = 0;
    auto step = [&calls](double x) {
        ++calls;
        return x < 0.3 ? 0.0 : 1.0;
    };
    const double integral = g::IntegrateSimpson(step, 0.0, 1.0, 1e-12);
    EXPECT_EQ(calls, 2 + (g::kMostSimpsonIntervals - 1));
    EXPECT_NEAR(integral, 0.7, 1.0 / g::kMostSimpsonIntervals);
}

TEST(IntegrateSimpson, ToleranceBelowTheFloorActsAsTheFloor) {
    // A negative tolerance acts as its size, and one below 1e-12 as 1e-12:
    // the quartic x^4 on [0, 1] (exactly 1/5) settles to far better than
    // 1e-12 either way.
    auto quartic = [](double x) { return x * x * x * x; };
    EXPECT_NEAR(g::IntegrateSimpson(quartic, 0.0, 1.0, -1e-30), 0.2, 1e-13);
}

}  // namespace

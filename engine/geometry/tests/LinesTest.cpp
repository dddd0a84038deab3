#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/geometry/Lines.hpp"
#include "testsupport/CaseName.hpp"

namespace g = quillon::geometry;
using g::Pair;

namespace {

constexpr double kLength = 1e-12;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

void ExpectPair(Pair actual, Pair expected, double tol = kLength) {
    EXPECT_NEAR(actual.real(), expected.real(), tol) << actual;
    EXPECT_NEAR(actual.imag(), expected.imag(), tol) << actual;
}

struct CrossCase {
    const char* name;
    Pair a, b, expected;
};

class LineCrossings : public ::testing::TestWithParam<CrossCase> {};

TEST_P(LineCrossings, MeetWhereBothLineEquationsHold) {
    const CrossCase& c = GetParam();
    g::KernelStatus status;
    ExpectPair(g::IntersectLines(c.a, c.b, status), c.expected);
    EXPECT_FALSE(status.failed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineCrossings,
    ::testing::Values(
        // x = 0 with x + y = 10 (foot (5, 5)): (0, 10), in either order
        CrossCase{"VerticalWithDiagonal", Pair(0, 0), Pair(5, 5), Pair(0, 10)},
        CrossCase{"DiagonalWithVertical", Pair(5, 5), Pair(0, 0), Pair(0, 10)},
        // x + y = 10 with y = 3 (foot (0, 3)): (7, 3)
        CrossCase{"DiagonalWithHorizontal", Pair(5, 5), Pair(0, 3), Pair(7, 3)},
        // x = 4 (foot (4, 0)) with x - y = -2 (foot (-1, 1)): (4, 6)
        CrossCase{"VerticalWithRisingLine", Pair(4, 0), Pair(-1, 1), Pair(4, 6)},
        // a line through the origin held as 1e-15 times its normal (y = x,
        // normal (-1, 1)/sqrt 2) with y = 3: (3, 3)
        CrossCase{"LineThroughOriginHeldByTinyFoot",
                  Pair(-1e-15 / std::sqrt(2.0), 1e-15 / std::sqrt(2.0)), Pair(0, 3), Pair(3, 3)}),
    quillon::testsupport::CaseName());

TEST(IntersectLines, FailsOnParallelAndDegenerateLines) {
    struct {
        Pair a, b;
    } cases[] = {
        {Pair(5, 5), Pair(10, 10)},  // parallel
        {Pair(0, 0), Pair(0, 0)},    // x = 0 with itself
        {Pair(0, 0), Pair(4, 0)},    // x = 0 with x = 4
        {Pair(4, 0), Pair(0, 0)},
        {Pair(kNaN, 1), Pair(0, 3)},
        {Pair(1, 1), Pair(0, std::numeric_limits<double>::infinity())},
    };
    for (const auto& c : cases) {
        g::KernelStatus status;
        EXPECT_EQ(g::IntersectLines(c.a, c.b, status), Pair(0, 0));
        EXPECT_TRUE(status.failed) << c.a << c.b;
    }
}

TEST(Kernels, AReceivedFailureReturnsZeroAndStays) {
    g::KernelStatus status{true};
    EXPECT_EQ(g::IntersectLines(Pair(5, 5), Pair(0, 3), status), Pair(0, 0));
    EXPECT_EQ(g::LineThroughPoints(Pair(1, 0), Pair(1, 10), status), Pair(0, 0));
    EXPECT_EQ(g::LineThroughPointAndDirection(Pair(1, 0), Pair(0, 1), status), Pair(0, 0));
    EXPECT_TRUE(status.failed);
}

TEST(LineThroughPoints, TheBackTangentsLineIsTheZeroPair) {
    g::KernelStatus status;
    EXPECT_EQ(g::LineThroughPoints(Pair(0, 0), Pair(0, 10), status), Pair(0, 0));
    // within 1e-6 of x = 0 and within 1e-8 of its direction
    EXPECT_EQ(g::LineThroughPoints(Pair(4e-7, -3), Pair(4.5e-7, 20), status), Pair(0, 0));
    EXPECT_FALSE(status.failed);
}

TEST(LineThroughPoints, FootIsTheNearestPointToTheOrigin) {
    g::KernelStatus status;
    ExpectPair(g::LineThroughPoints(Pair(1, 0), Pair(1, 10), status), Pair(1, 0));
    ExpectPair(g::LineThroughPoints(Pair(0, 10), Pair(10, 0), status), Pair(5, 5));
    ExpectPair(g::LineThroughPoints(Pair(10, 0), Pair(0, 10), status), Pair(5, 5));
    // y = 2x + 5: nearest point to the origin is (-2, 1)
    ExpectPair(g::LineThroughPoints(Pair(-1, 3), Pair(2, 9), status), Pair(-2, 1));
    EXPECT_FALSE(status.failed);
}

TEST(LineThroughPoints, ALineThroughTheOriginKeepsItsDirection) {
    // A -> B along (1, 1): the normal a quarter turn left is (-1, 1)/sqrt 2.
    g::KernelStatus status;
    Pair f = g::LineThroughPoints(Pair(-3, -3), Pair(7, 7), status);
    ExpectPair(f * 1e15, Pair(-1, 1) / std::sqrt(2.0), 1e-9);
    EXPECT_FALSE(status.failed);
}

TEST(LineThroughPoints, CoincidentPointsFail) {
    g::KernelStatus status;
    EXPECT_EQ(g::LineThroughPoints(Pair(3, 4), Pair(3, 4 + 1e-16), status), Pair(0, 0));
    EXPECT_TRUE(status.failed);
    g::KernelStatus nan;
    g::LineThroughPoints(Pair(kNaN, 0), Pair(3, 4), nan);
    EXPECT_TRUE(nan.failed);
}

TEST(LineThroughPointAndDirection, BuildsTheSameLinesWithoutTheZeroRule) {
    g::KernelStatus status;
    ExpectPair(g::LineThroughPointAndDirection(Pair(0, 10), Pair(1, -1), status), Pair(5, 5));
    ExpectPair(g::LineThroughPointAndDirection(Pair(1, 4), Pair(0, -3), status), Pair(1, 0));
    // x = 0 itself is held by its normal: (0, 1) turned left is (-1, 0)
    ExpectPair(g::LineThroughPointAndDirection(Pair(0, 5), Pair(0, 1), status) * 1e15, Pair(-1, 0));
    EXPECT_FALSE(status.failed);
}

TEST(LineThroughPointAndDirection, AShortDirectionFails) {
    g::KernelStatus status;
    EXPECT_EQ(g::LineThroughPointAndDirection(Pair(1, 1), Pair(1e-16, 0), status), Pair(0, 0));
    EXPECT_TRUE(status.failed);
}

TEST(Lines, ALineBuiltThroughTwoPointsCrossesAnotherAtTheKnownPoint) {
    // y = x/2 through (2, 1)-(8, 4) (a line through the origin) and
    // y = 15 - 2x through (2, 11)-(8, -1) both pass through (6, 3).
    g::KernelStatus status;
    Pair a = g::LineThroughPoints(Pair(2, 1), Pair(8, 4), status);
    Pair b = g::LineThroughPoints(Pair(2, 11), Pair(8, -1), status);
    ExpectPair(g::IntersectLines(a, b, status), Pair(6, 3), 1e-12);
    EXPECT_FALSE(status.failed);
}

TEST(Dot2, IsTheDotProductOfThePairs) { EXPECT_EQ(g::Dot2(Pair(2, -3), Pair(4, 5)), 8.0 - 15.0); }

}  // namespace

// Degrees, minutes and seconds in and out, and the quarter-turn range.
#include <gtest/gtest.h>

#include <numbers>

#include "angles/Angles.hpp"

namespace quillon::angles {
namespace {

constexpr double kAngleTolerance = 1e-12;  // radians
constexpr double kDegree = std::numbers::pi / 180.0;

TEST(Angles, PiIsTheStandardLibrarysPi) {
    EXPECT_EQ(kPi, std::numbers::pi);
    EXPECT_EQ(kHalfPi, 1.5707963267948966);
}

TEST(Angles, DegreesMinutesSecondsToRadians) {
    // 30 15' 30" = 30 + 15/60 + 30/3600 = 30.258333.. degrees.
    EXPECT_NEAR(AngleFromDegreesMinutesSeconds(30, 15, 30), 30.2583333333333333 * kDegree,
                kAngleTolerance);
    // The parts are sizes: a card's direction column gives the sign.
    EXPECT_NEAR(AngleFromDegreesMinutesSeconds(-45, -30, 0), 45.5 * kDegree, kAngleTolerance);
    EXPECT_EQ(AngleFromDegreesMinutesSeconds(0, 0, 0), 0.0);
}

TEST(Angles, MinutesOfArcOfAnAngle) {
    // A half turn is 180 x 60 minutes, whatever its sign.
    EXPECT_NEAR(MinutesOfArc(std::numbers::pi), 10800.0, 1e-9);
    EXPECT_NEAR(MinutesOfArc(-std::numbers::pi / 2.0), 5400.0, 1e-9);
}

TEST(Angles, MinutesOfArcSplitIntoDegreesMinutesSeconds) {
    // 12 34' 56.78" = 12 x 60 + 34 + 56.78 / 60 = 754.946333.. minutes.
    const DegreesMinutesSeconds angle = SplitMinutesOfArc(754.9463333333333);
    EXPECT_EQ(angle.degrees, 12);
    EXPECT_EQ(angle.minutes, 34);
    EXPECT_NEAR(angle.seconds, 56.78, 1e-9);
}

TEST(Angles, SecondsThatWouldShowAsSixtyCarryIntoTheNextMinute) {
    // 59' 59.9999" with a carry at 59.995 s is a whole degree.
    const DegreesMinutesSeconds carried = SplitMinutesOfArc(59.0 + 59.9999 / 60.0, 59.995);
    EXPECT_EQ(carried.degrees, 1);
    EXPECT_EQ(carried.minutes, 0);
    EXPECT_EQ(carried.seconds, 0.0);
    // Without the carry the seconds stay below 60.
    const DegreesMinutesSeconds kept = SplitMinutesOfArc(59.0 + 59.9999 / 60.0);
    EXPECT_EQ(kept.degrees, 0);
    EXPECT_EQ(kept.minutes, 59);
    EXPECT_NEAR(kept.seconds, 59.9999, 1e-9);
}

TEST(Angles, AnAngleBeyondAQuarterTurnIsTakenTheOtherWayAlongItsLine) {
    EXPECT_NEAR(WithinQuarterTurn(0.75 * std::numbers::pi), -0.25 * std::numbers::pi,
                kAngleTolerance);
    EXPECT_NEAR(WithinQuarterTurn(-0.75 * std::numbers::pi), 0.25 * std::numbers::pi,
                kAngleTolerance);
    EXPECT_EQ(WithinQuarterTurn(0.25), 0.25);
    EXPECT_EQ(WithinQuarterTurn(kHalfPi), kHalfPi);  // the quarter turn itself stays
}

TEST(Angles, AnAngleIsBroughtWithinAHalfTurnByWholeTurns) {
    const double pi = std::numbers::pi;
    EXPECT_NEAR(WithinHalfTurn(1.5 * pi), -0.5 * pi, kAngleTolerance);
    EXPECT_NEAR(WithinHalfTurn(-1.5 * pi), 0.5 * pi, kAngleTolerance);
    EXPECT_NEAR(WithinHalfTurn(5.25 * pi), -0.75 * pi, kAngleTolerance);
    EXPECT_EQ(WithinHalfTurn(0.3), 0.3);
    EXPECT_EQ(WithinHalfTurn(pi), pi);   // a half turn stays positive
    EXPECT_EQ(WithinHalfTurn(-pi), pi);  // and its negative becomes it
    EXPECT_TRUE(std::isnan(WithinHalfTurn(std::nan(""))));
}

}  // namespace
}  // namespace quillon::angles

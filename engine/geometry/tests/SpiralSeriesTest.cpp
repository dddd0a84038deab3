#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ReferenceAlignment.hpp"
#include "engine/geometry/SpiralSeries.hpp"
#include "testsupport/CaseName.hpp"

namespace g = quillon::geometry;

namespace {

// Y/L = integral 0..1 of sin(theta u^2) du and X/L = integral 0..1 of
// cos(theta u^2) du = 1 - integral 0..1 of 2 sin^2(theta u^2 / 2) du (the
// small part integrated on its own, free of rounding near 1), by Simpson's
// rule with 4000 intervals (error below 1e-15 for |theta| up to pi/2).
double IntegratedY(double theta) {
    return g::testing::Simpson([theta](double u) { return std::sin(theta * u * u); }, 0.0, 1.0,
                               4000);
}
double IntegratedX(double theta) {
    auto drop = [theta](double u) {
        double h = std::sin(theta * u * u / 2);
        return 2 * h * h;
    };
    return 1.0 - g::testing::Simpson(drop, 0.0, 1.0, 4000);
}

struct AngleCase {
    const char* name;
    double theta;  // radians
};

class SeriesAgainstIntegration : public ::testing::TestWithParam<AngleCase> {};

TEST_P(SeriesAgainstIntegration, MatchesSimpsonOfTheClothoidAngle) {
    double theta = GetParam().theta;
    EXPECT_NEAR(g::SpiralYOverL(theta), IntegratedY(theta), 1e-14);
    EXPECT_NEAR(g::SpiralXOverL(theta), IntegratedX(theta), 1e-14);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, SeriesAgainstIntegration,
    ::testing::Values(AngleCase{"ThetaOneMillionth", 1e-6}, AngleCase{"ThetaHundredth", 0.01},
                      AngleCase{"ThetaTenth", 0.1}, AngleCase{"Theta0_35", 0.35},
                      AngleCase{"Theta0_75", 0.75}, AngleCase{"ThetaOne", 1.0},
                      AngleCase{"Theta1_3", 1.3}, AngleCase{"ThetaJustBelowQuarterTurn", 1.5707},
                      AngleCase{"NegativeThetaTenth", -0.1}, AngleCase{"NegativeTheta1_2", -1.2}),
    quillon::testsupport::CaseName());

TEST(SpiralSeries, ZeroAngleIsAStraightLine) {
    EXPECT_EQ(g::SpiralYOverL(0.0), 0.0);
    EXPECT_EQ(g::SpiralXOverL(0.0), 1.0);
}

TEST(SpiralSeries, YIsOddAndXEvenInTheAngle) {
    EXPECT_EQ(g::SpiralYOverL(-0.4), -g::SpiralYOverL(0.4));
    EXPECT_EQ(g::SpiralXOverL(-0.4), g::SpiralXOverL(0.4));
}

TEST(SpiralSeries, FirstTermsForASmallAngle) {
    // theta = 0.001: Y/L = theta/3 - theta^3/42 (next term 8e-19) and
    // X/L = 1 - theta^2/10 + theta^4/216 (next term 1e-22).
    EXPECT_NEAR(g::SpiralYOverL(0.001), 0.001 / 3 - 1e-9 / 42, 1e-18);
    EXPECT_DOUBLE_EQ(g::SpiralXOverL(0.001), 1 - 1e-6 / 10 + 1e-12 / 216);
}

TEST(SpiralSeries, UnusableAnglesReturnAtOnce) {
    double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(g::SpiralYOverL(nan)));
    EXPECT_TRUE(std::isnan(g::SpiralXOverL(nan)));
    // far outside any spiral: the sums stop (bounded terms), whatever they give
    (void)g::SpiralYOverL(1e6);
    (void)g::SpiralXOverL(std::numeric_limits<double>::infinity());
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ReferenceAlignment.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "testsupport/CaseName.hpp"

namespace g = quillon::geometry;
using g::testing::Radians;

namespace {

constexpr double kLength = 1e-8;  // feet
constexpr double kAngle = 1e-12;  // radians

// Textbook clothoid end coordinates, series typed out term by term:
// X = Ls (1 - t^2/10 + t^4/216 - t^6/9360 + t^8/685440)
// Y = Ls (t/3 - t^3/42 + t^5/1320 - t^7/75600 + t^9/6894720)
double TextbookX(double ls, double t) {
    return ls * (1 - t * t / 10 + std::pow(t, 4) / 216 - std::pow(t, 6) / 9360 +
                 std::pow(t, 8) / 685440);
}
double TextbookY(double ls, double t) {
    return ls * (t / 3 - std::pow(t, 3) / 42 + std::pow(t, 5) / 1320 - std::pow(t, 7) / 75600 +
                 std::pow(t, 9) / 6894720);
}

TEST(SimpleCurve, TangentAndArcFollowTheTextbookForBothHands) {
    // R = 1000 (D = 100/R = 0.1 rad), delta = 30 degrees, PI at 5000.
    // T = R tan(delta/2) = 1000 tan 15deg = 267.94919243112270
    // L = 100 delta / D = 1000 * 0.52359877559829887 = 523.59877559829887
    for (double f : {1.0, -1.0}) {
        g::HorizontalAlignment h;
        ASSERT_EQ(g::ComputeHorizontalCurve(h, f, 0.1, 0.0, Radians(30), 0, 0, 5000.0),
                  g::CurveError::None);
        EXPECT_TRUE(h.curveFlag);
        EXPECT_FALSE(h.horizontalTangent);
        EXPECT_EQ(h.f, f);
        EXPECT_NEAR(h.radius, f * 1000.0, kLength);
        EXPECT_NEAR(h.delta, f * Radians(30), kAngle);
        EXPECT_NEAR(h.t1, 267.94919243112270, kLength);
        EXPECT_NEAR(h.t2, 267.94919243112270, kLength);
        EXPECT_NEAR(h.lc, 523.59877559829887, kLength);
        EXPECT_NEAR(h.csDistance, 523.59877559829887, kLength);
        EXPECT_NEAR(h.length, 523.59877559829887, kLength);
        EXPECT_NEAR(h.tsStation, 5000.0 - 267.94919243112270, kLength);
        // no spiral: the centre is R to the side of the TS
        EXPECT_NEAR(h.centre.real(), f * 1000.0, kLength);
        EXPECT_NEAR(h.centre.imag(), 0.0, kLength);
        EXPECT_EQ(h.theta1, 0.0);
        EXPECT_EQ(h.rs1, h.radius);
    }
}

TEST(SimpleCurve, RadiusStandsInForABlankDegree) {
    // D = 0 and radius -500 (absolute value taken): D = 100/500 = 0.2 rad.
    g::HorizontalAlignment h;
    ASSERT_EQ(g::ComputeHorizontalCurve(h, 1.0, 0.0, -500.0, Radians(20), 0, 0, 900.0),
              g::CurveError::None);
    EXPECT_NEAR(h.degree, 0.2, kAngle);
    EXPECT_NEAR(h.radius, 500.0, kLength);
    // T = 500 tan 10deg = 88.163490354853...
    EXPECT_NEAR(h.t1, 500.0 * std::tan(Radians(10)), kLength);
}

TEST(SpiralledCurve, EqualSpiralsFollowTheTextbookForBothHands) {
    // R = 1000, Ls = 200, delta = 40 deg: theta = Ls/2R = 0.1 rad.
    // p = Y - R(1 - cos theta), k = X - R sin theta, Ts = (R + p) tan(delta/2) + k,
    // Lc = R (delta - 2 theta).
    const double r = 1000, ls = 200, theta = 0.1, delta = Radians(40);
    const double p = TextbookY(ls, theta) - r * (1 - std::cos(theta));
    const double k = TextbookX(ls, theta) - r * std::sin(theta);
    // The short forms p ~ Ls^2/24R = 1.6667 and k ~ Ls/2 - Ls^3/240R^2 = 99.9667.
    EXPECT_NEAR(p, 1.6667, 1e-3);
    EXPECT_NEAR(k, 99.9667, 1e-3);
    const double ts = (r + p) * std::tan(delta / 2) + k;
    for (double f : {1.0, -1.0}) {
        g::HorizontalAlignment h;
        ASSERT_EQ(g::ComputeHorizontalCurve(h, f, 0.1, 0.0, delta, ls, ls, 8000.0),
                  g::CurveError::None);
        EXPECT_NEAR(h.theta1, f * theta, kAngle);
        EXPECT_NEAR(h.theta2, f * theta, kAngle);
        EXPECT_NEAR(h.rp1, f * (r + p), kLength);
        EXPECT_NEAR(h.rp2, f * (r + p), kLength);
        EXPECT_NEAR(h.k1, k, kLength);
        EXPECT_NEAR(h.k2, k, kLength);
        EXPECT_NEAR(h.t1, ts, kLength);
        EXPECT_NEAR(h.t2, ts, kLength);
        EXPECT_NEAR(h.lc, r * (delta - 2 * theta), kLength);
        EXPECT_NEAR(h.csDistance, r * (delta - 2 * theta) + ls, kLength);
        EXPECT_NEAR(h.length, r * (delta - 2 * theta) + 2 * ls, kLength);
        EXPECT_NEAR(h.tsStation, 8000.0 - ts, kLength);
        EXPECT_NEAR(h.centre.real(), f * (r + p), kLength);
        EXPECT_NEAR(h.centre.imag(), k, kLength);
    }
}

// Second method for every case: integrate the unit tangent along the curve
// to the ST, then cross the ahead tangent (through the ST along
// (sin delta, cos delta)) with the back tangent x = 0: the PI is at
// (0, T1) and the ST lies T2 beyond it.
class CurveThroughIntegration : public ::testing::TestWithParam<g::testing::CurveCase> {};

TEST_P(CurveThroughIntegration, TangentLengthsMeetAtThePI) {
    const auto& c = GetParam();
    g::testing::ReferenceAlignment ref(c);
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    ASSERT_TRUE(h.curveFlag);
    EXPECT_NEAR(h.length, ref.Length(), kLength);
    EXPECT_NEAR(h.csDistance, ref.Cs(), kLength);
    g::Pair st = ref.Point(ref.Length());
    double delta = c.f * Radians(c.deltaDeg);
    double t2 = st.real() / std::sin(delta);
    double t1 = st.imag() - t2 * std::cos(delta);
    EXPECT_NEAR(h.t1, t1, 1e-7);
    EXPECT_NEAR(h.t2, t2, 1e-7);
    // The frame constants carry the ST to the origin of the ST frame and
    // the ahead direction to +y there.
    g::Pair stThere = st * h.stFromHc + h.stOffset;
    EXPECT_NEAR(std::abs(stThere), 0.0, 1e-7);
    g::Pair ahead = g::Pair(std::sin(delta), std::cos(delta)) * h.stFromHc;
    EXPECT_NEAR(ahead.real(), 0.0, 1e-12);
    EXPECT_NEAR(ahead.imag(), 1.0, 1e-12);
    // The ahead tangent's foot pair is its point nearest the origin.
    g::Pair n(std::cos(delta), -std::sin(delta));
    g::Pair foot = g::Dot2(st, n) * n;
    EXPECT_NEAR(std::abs(h.aheadFoot - foot), 0.0, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Cases, CurveThroughIntegration,
                         ::testing::ValuesIn(g::testing::kCurveCases),
                         quillon::testsupport::CaseName());

TEST(SpiralledCurve, RightAngleUsesTheShiftedRadiiAsTangents) {
    // delta exactly 90 deg: T1 = |R+p2| + k1 and T2 = |R+p1| + k2.
    const double r = 500, ls1 = 120, ls2 = 100;
    const double th1 = ls1 / (2 * r), th2 = ls2 / (2 * r);
    const double p1 = TextbookY(ls1, th1) - r * (1 - std::cos(th1));
    const double p2 = TextbookY(ls2, th2) - r * (1 - std::cos(th2));
    const double k1 = TextbookX(ls1, th1) - r * std::sin(th1);
    const double k2 = TextbookX(ls2, th2) - r * std::sin(th2);
    for (double f : {1.0, -1.0}) {
        g::HorizontalAlignment h;
        ASSERT_EQ(g::ComputeHorizontalCurve(h, f, 100.0 / r, 0.0, quillon::angles::kHalfPi, ls1,
                                            ls2, 3000.0),
                  g::CurveError::None);
        EXPECT_NEAR(h.t1, r + p2 + k1, kLength);
        EXPECT_NEAR(h.t2, r + p1 + k2, kLength);
    }
}

struct ErrorCase {
    const char* name;
    double degree, radius, deltaDeg, ls1, ls2;
    g::CurveError expected;
};

class CurveChecks : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CurveChecks, ReportTheCurveError) {
    const ErrorCase& c = GetParam();
    for (double f : {1.0, -1.0}) {
        g::HorizontalAlignment h;
        EXPECT_EQ(g::ComputeHorizontalCurve(h, f, c.degree, c.radius, Radians(c.deltaDeg), c.ls1,
                                            c.ls2, 2000.0),
                  c.expected)
            << c.name << " f=" << f;
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
using E = g::CurveError;

INSTANTIATE_TEST_SUITE_P(
    Cases, CurveChecks,
    ::testing::Values(
        // delta must lie between 0.00002 and 3.14157 rad
        ErrorCase{"DeltaTooSmall", 0.1, 0, 0.00001 * 180 / quillon::angles::kPi, 0, 0,
                  E::DegreeOrDeltaOutOfRange},
        ErrorCase{"DeltaTooLarge", 0.1, 0, 3.14158 * 180 / quillon::angles::kPi, 0, 0,
                  E::DegreeOrDeltaOutOfRange},
        ErrorCase{"DeltaJustInside", 0.1, 0, 3.14156 * 180 / quillon::angles::kPi, 0, 0, E::None},
        // D above 0.00099 rad (a radius below about 101,000)
        ErrorCase{"DegreeTooSmall", 0.00098, 0, 10, 0, 0, E::DegreeOrDeltaOutOfRange},
        // with spirals D below 0.714286 (radius above about 140.0) ...
        ErrorCase{"SpiralledRadius139", 100.0 / 139, 0, 30, 50, 50, E::DegreeOrDeltaOutOfRange},
        ErrorCase{"SpiralledRadius141", 100.0 / 141, 0, 30, 50, 50, E::None},
        // ... without spirals D below 10.01 (radius above about 9.99)
        ErrorCase{"SimpleRadius125", 0.8, 0, 30, 0, 0, E::None},
        ErrorCase{"SimpleRadius10", 10.0, 0, 30, 0, 0, E::None},
        ErrorCase{"SimpleRadius9", 100.0 / 9, 0, 30, 0, 0, E::DegreeOrDeltaOutOfRange},
        // a radius below 1.0 counts as 1.0: D = 100 fails
        ErrorCase{"RadiusHalfFoot", 0, 0.5, 30, 0, 0, E::DegreeOrDeltaOutOfRange},
        ErrorCase{"NoDegreeNoRadius", 0, 0, 30, 0, 0, E::DegreeOrDeltaOutOfRange},
        // theta = Ls/2R = 400/300 = 1.333 passes; 480/300 = 1.6 reaches pi/2
        ErrorCase{"SpiralAngleBelowQuarterTurn", 100.0 / 150, 0, 179, 400, 0, E::None},
        ErrorCase{"SpiralAngleAtQuarterTurn", 100.0 / 150, 0, 179, 0, 480,
                  E::SpiralLengthOutOfRange},
        // spirals of 200 on R = 1000 need delta above 0.2 rad (11.459 deg)
        ErrorCase{"SpiralsLap", 0.1, 0, 11.0, 200, 200, E::SpiralsLap},
        ErrorCase{"SpiralsJustMeet", 0.1, 0, 0.2 * 180 / quillon::angles::kPi, 200, 200, E::None},
        // unusable input
        ErrorCase{"NegativeSpiral", 0.1, 0, 30, -50, 50, E::SpiralLengthOutOfRange},
        ErrorCase{"NaNSpiral", 0.1, 0, 30, kNaN, 0, E::SpiralLengthOutOfRange},
        ErrorCase{"NaNDelta", 0.1, 0, kNaN, 0, 0, E::DegreeOrDeltaOutOfRange},
        ErrorCase{"NaNDegree", kNaN, 0, 30, 0, 0, E::DegreeOrDeltaOutOfRange}),
    quillon::testsupport::CaseName());

TEST(SpiralledCurve, AnArcShorterThanFourHundredThousandthsCountsAsNone) {
    // delta = theta1 + theta2 exactly: Lc rounds to 0, the CS is the SC.
    g::HorizontalAlignment h;
    ASSERT_EQ(g::ComputeHorizontalCurve(h, 1.0, 0.1, 0.0, 0.2, 200, 200, 2000.0), E::None);
    EXPECT_EQ(h.lc, 0.0);
    EXPECT_EQ(h.csDistance, 200.0);
    EXPECT_EQ(h.length, 400.0);
}

TEST(CurveError, MessagesAreTheListingTexts) {
    EXPECT_STREQ(g::CurveErrorMessage(E::DegreeOrDeltaOutOfRange),
                 "DEGREE OF CURVE OR DELTA ANGLE OUT OF RANGE");
    EXPECT_STREQ(g::CurveErrorMessage(E::SpiralLengthOutOfRange), "SPIRAL LENGTH OUT OF RANGE");
    EXPECT_STREQ(g::CurveErrorMessage(E::SpiralsLap), "SPIRALS LAP");
    EXPECT_STREQ(g::CurveErrorMessage(E::None), "");
}

TEST(HorizontalTangent, FallbackAfterACurveLeavesAStraightLine) {
    g::HorizontalAlignment h;
    h.profOffset = -12.5;
    h.equation.flag = 1;
    h.equation.length = 250.0;
    ASSERT_EQ(g::ComputeHorizontalCurve(h, -1.0, 0.1, 0.0, 0.5, 100, 100, 4000.0), E::None);
    g::SetHorizontalTangent(h, 1234.5);
    EXPECT_FALSE(h.curveFlag);
    EXPECT_TRUE(h.horizontalTangent);
    EXPECT_NEAR(h.tsStation, 1234.50002, 1e-9);  // 0.00002 past the reference station
    EXPECT_EQ(h.f, 1.0);
    EXPECT_EQ(h.length, 0.0);
    EXPECT_EQ(h.radius, 0.0);
    EXPECT_EQ(h.delta, 0.0);
    EXPECT_EQ(h.ls1, 0.0);
    EXPECT_EQ(h.theta2, 0.0);
    EXPECT_EQ(h.cosDelta, 1.0);
    EXPECT_EQ(h.sinDelta, 0.0);
    EXPECT_EQ(h.stFromHc, g::Pair(1.0, 0.0));
    EXPECT_EQ(h.aheadNormal, g::Pair(1.0, 0.0));
    EXPECT_EQ(h.stOffset, g::Pair(0.0, 0.0));
    EXPECT_EQ(h.aheadFoot, g::Pair(0.0, 0.0));
    EXPECT_EQ(h.bisector, g::Pair(0.0, 0.0));
    EXPECT_EQ(h.scRadial, g::Pair(0.0, 0.0));
    // what the alignment's card work filled stays
    EXPECT_EQ(h.profOffset, -12.5);
    EXPECT_EQ(h.equation.flag, 1);
    EXPECT_EQ(h.equation.length, 250.0);
}

TEST(HorizontalTangent, AFreshRecordIsATangentAtStationZero) {
    g::HorizontalAlignment fresh;
    g::HorizontalAlignment tangent;
    g::SetHorizontalTangent(tangent, -0.00002);
    EXPECT_EQ(fresh.curveFlag, tangent.curveFlag);
    EXPECT_EQ(fresh.horizontalTangent, tangent.horizontalTangent);
    EXPECT_EQ(fresh.f, tangent.f);
    EXPECT_EQ(fresh.stFromHc, tangent.stFromHc);
    EXPECT_EQ(fresh.aheadNormal, tangent.aheadNormal);
    EXPECT_NEAR(fresh.tsStation, tangent.tsStation, 1e-15);
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "ReferenceAlignment.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "testsupport/CaseName.hpp"

namespace g = quillon::geometry;
using g::Pair;
using g::testing::CurveCase;
using g::testing::ReferenceAlignment;

namespace {

constexpr double kLength = 1e-8;  // feet
constexpr double kAngle = 1e-11;  // radians

// Stations to visit on a case: a grid from 100 before the TS to 100 past the
// ST, and every curve point with its close neighbours.
std::vector<double> Stations(const CurveCase& c, const g::HorizontalAlignment& h) {
    std::vector<double> s;
    for (int i = 0; i <= 120; ++i) s.push_back(-100.0 + i * (h.length + 200.0) / 120.0);
    for (double key : {0.0, c.ls1, h.csDistance, h.length})
        for (double d : {-1e-7, 0.0, 1e-7}) s.push_back(key + d);
    return s;
}

class Positions : public ::testing::TestWithParam<CurveCase> {};

TEST_P(Positions, PointsAndFramesMatchTheIntegratedAlignment) {
    const CurveCase& c = GetParam();
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    ReferenceAlignment ref(c);
    for (double s : {-50.0, 0.0, c.ls1 / 2, c.ls1, (c.ls1 + h.csDistance) / 2, h.csDistance,
                     h.length - c.ls2 / 2, h.length, h.length + 70}) {
        for (double q : {-40.0, 0.0, 25.0}) {
            g::AlignmentFrame frame;
            g::KernelStatus status;
            Pair p = g::PointAtStationOffset(h, frame, Pair(q, s), status);
            ASSERT_FALSE(status.failed);
            Pair expected = ref.Point(q, s);
            EXPECT_NEAR(p.real(), expected.real(), 1e-7) << "s=" << s << " q=" << q;
            EXPECT_NEAR(p.imag(), expected.imag(), 1e-7) << "s=" << s << " q=" << q;
            double phi = ref.Phi(s);
            EXPECT_NEAR(frame.phi, phi, kAngle) << "s=" << s;
            EXPECT_NEAR(frame.normal.real(), std::cos(phi), kAngle);
            EXPECT_NEAR(frame.normal.imag(), -std::sin(phi), kAngle);
            // the tangent line through the control's point, foot form
            if (s > 0) {
                Pair n(std::cos(phi), -std::sin(phi));
                Pair foot = g::Dot2(ref.Point(s), n) * n;
                EXPECT_NEAR(std::abs(frame.tangent - foot), 0.0, 1e-7) << "s=" << s;
            } else {
                EXPECT_EQ(frame.tangent, Pair(0, 0));
            }
        }
    }
}

// Within a micro-foot of a spiral's tangent end the tangent angle is below
// 1e-16 rad, and the iteration stops once two angles agree to 1e-18 rad:
// the station there is found to Ls * sqrt(1e-18 / theta), a few 1e-7 ft.
double LocateTolerance(const CurveCase& c, const g::HorizontalAlignment& h, double s) {
    bool nearTs = c.ls1 > 0 && std::abs(s) < 1e-6;
    bool nearSt = c.ls2 > 0 && std::abs(s - h.length) < 1e-6;
    return nearTs || nearSt ? 1e-6 : kLength;
}

TEST_P(Positions, LocatingAPointGivesBackItsStationAndOffset) {
    const CurveCase& c = GetParam();
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    for (double s : Stations(c, h)) {
        const double tol = LocateTolerance(c, h, s);
        for (double q : {-80.0, -20.0, -1.0, 0.0, 1.0, 20.0, 80.0}) {
            g::AlignmentFrame placed;
            g::KernelStatus status;
            Pair z = g::PointAtStationOffset(h, placed, Pair(q, s), status);

            g::AlignmentFrame fresh;  // a frame left anywhere else
            g::PointAtStationOffset(h, fresh, Pair(0.0, h.length - s), status);
            Pair located = g::LocatePoint(h, fresh, z, status);
            ASSERT_FALSE(status.failed) << "s=" << s << " q=" << q;
            EXPECT_NEAR(located.real(), q, tol) << "s=" << s << " q=" << q;
            EXPECT_NEAR(located.imag(), s, tol) << "s=" << s << " q=" << q;
            EXPECT_NEAR(fresh.phi, placed.phi, kAngle) << "s=" << s;
            EXPECT_NEAR(std::abs(fresh.normal - placed.normal), 0.0, kAngle);
            EXPECT_NEAR(std::abs(fresh.tangent - placed.tangent), 0.0, 1e-7);

            // warm start from a stale angle, and from the angle of the point itself
            for (double startStation : {s + 37.0, s}) {
                g::AlignmentFrame warm;
                g::PointAtStationOffset(h, warm, Pair(0.0, startStation), status);
                Pair again = g::LocatePointFromLast(h, warm, z, status);
                ASSERT_FALSE(status.failed);
                EXPECT_NEAR(again.real(), q, tol) << "warm s=" << s << " q=" << q;
                EXPECT_NEAR(again.imag(), s, tol) << "warm s=" << s << " q=" << q;
            }

            g::AlignmentFrame only;
            Pair quick = g::StationOffsetOfPoint(h, only, z, status);
            ASSERT_FALSE(status.failed);
            EXPECT_NEAR(quick.real(), q, tol);
            EXPECT_NEAR(quick.imag(), s, tol);
            EXPECT_NEAR(only.phi, placed.phi, kAngle);
        }
    }
}

TEST_P(Positions, TheControlIsContinuousAtTsScCsAndSt) {
    const CurveCase& c = GetParam();
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    const double eps = 1e-6;
    for (double key : {0.0, c.ls1, h.csDistance, h.length}) {
        for (double q : {0.0, 30.0, -30.0}) {
            g::AlignmentFrame before, at, after;
            g::KernelStatus status;
            Pair pb = g::PointAtStationOffset(h, before, Pair(q, key - eps), status);
            Pair pa = g::PointAtStationOffset(h, at, Pair(q, key), status);
            Pair pf = g::PointAtStationOffset(h, after, Pair(q, key + eps), status);
            ASSERT_FALSE(status.failed);
            // each step of eps along the control moves a parallel point by
            // at most eps (1 + |q|/R)
            double step = eps * (1 + std::abs(q) / c.radius) + 1e-10;
            EXPECT_LE(std::abs(pa - pb), step) << "key=" << key << " q=" << q;
            EXPECT_LE(std::abs(pf - pa), step) << "key=" << key << " q=" << q;
            EXPECT_GE(std::abs(pf - pb), 2 * eps * (1 - std::abs(q) / c.radius) - 1e-10);
            // the tangent turns by at most eps/R per eps
            EXPECT_LE(std::abs(after.phi - before.phi), 2 * eps / c.radius + 1e-12);
            EXPECT_LE(std::abs(at.normal - before.normal), 2 * eps / c.radius + 1e-12);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Positions, ::testing::ValuesIn(g::testing::kCurveCases),
                         quillon::testsupport::CaseName());

TEST(PointAtStationOffset, WithoutACurveTheStationOffsetIsThePoint) {
    g::HorizontalAlignment h;  // a tangent
    for (Pair qs : {Pair(0, 0), Pair(-12.5, 340.25), Pair(7, -90)}) {
        g::AlignmentFrame frame;
        g::KernelStatus status;
        EXPECT_EQ(g::PointAtStationOffset(h, frame, qs, status), qs);
        EXPECT_EQ(frame.phi, 0.0);
        EXPECT_EQ(frame.normal, Pair(1, 0));
        EXPECT_EQ(frame.tangent, Pair(0, 0));
        EXPECT_EQ(g::LocatePoint(h, frame, qs, status), qs);
        EXPECT_FALSE(status.failed);
    }
}

TEST(LocatePoint, StationOnlyLeavesTheNormalOnTheCurve) {
    // UnequalSpiralsRight: entering spiral to 200, arc to about 636.
    g::HorizontalAlignment h = g::testing::MakeAlignment(g::testing::kCurveCases[4]);
    g::KernelStatus status;
    for (double s : {100.0, 300.0}) {
        g::AlignmentFrame frame;
        Pair z = g::PointAtStationOffset(h, frame, Pair(5, s), status);
        double phi = frame.phi;
        frame = g::AlignmentFrame{};
        frame.normal = Pair(7, 7);
        frame.tangent = Pair(3, 3);
        g::StationOffsetOfPoint(h, frame, z, status);
        EXPECT_NEAR(frame.phi, phi, kAngle);
        EXPECT_EQ(frame.normal, Pair(7, 7));
        EXPECT_EQ(frame.tangent, Pair(3, 3));
    }
    // on the back tangent the whole frame is set
    g::AlignmentFrame frame;
    frame.normal = Pair(7, 7);
    g::StationOffsetOfPoint(h, frame, Pair(5, -20), status);
    EXPECT_EQ(frame.normal, Pair(1, 0));
    EXPECT_EQ(frame.tangent, Pair(0, 0));
    EXPECT_FALSE(status.failed);
}

TEST(LocatePoint, UnusablePointsFailAndAReceivedFailureChangesNothing) {
    g::HorizontalAlignment h = g::testing::MakeAlignment(g::testing::kCurveCases[2]);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (Pair z : {Pair(nan, 10), Pair(10, nan), Pair(inf, 0), Pair(-inf, inf)}) {
        g::AlignmentFrame frame;
        g::KernelStatus status;
        EXPECT_EQ(g::LocatePoint(h, frame, z, status), Pair(0, 0));
        EXPECT_TRUE(status.failed);
        g::KernelStatus again;
        g::PointAtStationOffset(h, frame, Pair(z.imag(), z.real()), again);
        EXPECT_TRUE(again.failed);
    }
    g::AlignmentFrame frame;
    frame.phi = 0.25;
    g::KernelStatus failed{true};
    EXPECT_EQ(g::LocatePoint(h, frame, Pair(10, 100), failed), Pair(0, 0));
    EXPECT_EQ(g::PointAtStationOffset(h, frame, Pair(10, 100), failed), Pair(0, 0));
    EXPECT_EQ(frame.phi, 0.25);
}

TEST(LocatePoint, AnyPointOfThePlaneReturnsAFiniteAnswerOrFails) {
    // Points far off, beyond the centres of curvature, across the whole
    // plane: each call ends (bounded iterations) with a finite pair or a
    // failure, never with NaN.
    for (const CurveCase& c : g::testing::kCurveCases) {
        g::HorizontalAlignment h = g::testing::MakeAlignment(c);
        for (double x = -3000; x <= 3000; x += 97) {
            for (double y = -3000; y <= 3000; y += 89) {
                for (g::LocateMode mode :
                     {g::LocateMode::Fresh, g::LocateMode::Warm, g::LocateMode::StationOnly}) {
                    g::AlignmentFrame frame;
                    frame.phi = h.theta1 / 2;
                    g::KernelStatus status;
                    Pair r = g::LocatePoint(h, frame, Pair(x, y), status, mode);
                    if (status.failed)
                        EXPECT_EQ(r, Pair(0, 0));
                    else
                        EXPECT_TRUE(g::IsFinite(r)) << c.name << " " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace

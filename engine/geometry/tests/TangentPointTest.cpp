// TangentPointOnCurve against hand-worked chords of a circle and against the
// integrated reference alignments (tests/ReferenceAlignment.hpp).
#include <gtest/gtest.h>

#include <cmath>

#include "ReferenceAlignment.hpp"
#include "engine/geometry/Lines.hpp"
#include "engine/geometry/TangentPoint.hpp"
#include "testsupport/CaseName.hpp"

namespace g = quillon::geometry;
using g::Pair;
using g::testing::CurveCase;
using g::testing::ReferenceAlignment;

namespace {

constexpr double kLength = 1e-8;  // feet

// R = 1000 to the right, delta 60 degrees, no spirals: the circle has its
// centre at (1000, 0) and the point at station s is R (1 - cos(s/R), sin(s/R)).
g::HorizontalAlignment SimpleCurve(double f = 1.0) {
    return g::testing::MakeAlignment({"R1000", f, 1000.0, 60.0, 0.0, 0.0});
}

Pair OnCircle(double s, double f = 1.0) {
    return Pair(f * 1000.0 * (1.0 - std::cos(s / 1000.0)), 1000.0 * std::sin(s / 1000.0));
}

TEST(TangentPointOnCurve, ChordOfTheArcTouchesItsParallelAtTheMiddle) {
    // The chord from station 100 to 300: its tangent point is at 200 and its
    // offset is the middle ordinate R (1 - cos(100/R)) = 4.99583472, toward
    // the centre (right), for either hand as f times that.
    for (double f : {1.0, -1.0}) {
        g::HorizontalAlignment h = SimpleCurve(f);
        g::KernelStatus status;
        Pair chord = g::LineThroughPoints(OnCircle(100.0, f), OnCircle(300.0, f), status);
        Pair qs = g::TangentPointOnCurve(h, chord, status);
        ASSERT_FALSE(status.failed);
        EXPECT_NEAR(qs.imag(), 200.0, kLength);
        EXPECT_NEAR(qs.real(), f * 1000.0 * (1.0 - std::cos(0.1)), kLength);
        EXPECT_NEAR(qs.real(), f * 4.99583472, 1e-8);
    }
}

class TangentPoints : public ::testing::TestWithParam<CurveCase> {};

// A line drawn through a point at offset q from station s, along the
// control's tangent there, is found again at (q, s): in each spiral, on the
// arc and with q past the centre of curvature.
TEST_P(TangentPoints, LineAlongTheTangentAtAStationIsFoundThere) {
    const CurveCase& c = GetParam();
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    ReferenceAlignment ref(c);
    std::vector<double> stations{(ref.Sc() + ref.Cs()) / 2};
    if (c.ls1 > 0) stations.insert(stations.end(), {ref.Sc() / 3, ref.Sc() * 0.8});
    if (c.ls2 > 0)
        stations.insert(stations.end(), {ref.Cs() + (ref.Length() - ref.Cs()) * 0.4,
                                         ref.Length() - (ref.Length() - ref.Cs()) / 5});
    for (double s : stations) {
        for (double q : {-30.0, 0.0, 12.5, c.f * 2.5 * c.radius}) {
            double phi = ref.Phi(s);
            g::KernelStatus status;
            Pair foot = g::LineThroughPointAndDirection(ref.Point(q, s),
                                                        Pair(std::sin(phi), std::cos(phi)), status);
            Pair qs = g::TangentPointOnCurve(h, foot, status);
            ASSERT_FALSE(status.failed) << c.name << " s=" << s << " q=" << q;
            EXPECT_NEAR(qs.imag(), s, 1e-6) << c.name << " q=" << q;
            EXPECT_NEAR(qs.real(), q, 1e-6) << c.name << " s=" << s;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Curves, TangentPoints, ::testing::ValuesIn(g::testing::kCurveCases),
                         quillon::testsupport::CaseName());

TEST(TangentPointOnCurve, FailsWhereNoCurvePointIsParallel) {
    g::HorizontalAlignment h = SimpleCurve();
    struct Case {
        const char* name;
        Pair foot;
    } cases[] = {
        {"parallel to the back tangent", Pair(25.0, 0.0)},
        {"parallel to the ahead tangent", 40.0 * h.aheadNormal},
        {"turned past the deflection", 40.0 * Pair(std::cos(1.2), -std::sin(1.2))},
        {"turned against the curve", 40.0 * Pair(std::cos(-0.3), -std::sin(-0.3))},
        {"too short a foot pair", Pair(1e-16, 0.0)},
    };
    for (const Case& c : cases) {
        g::KernelStatus status;
        EXPECT_EQ(g::TangentPointOnCurve(h, c.foot, status), Pair(0.0, 0.0)) << c.name;
        EXPECT_TRUE(status.failed) << c.name;
    }
    g::HorizontalAlignment tangent;
    g::KernelStatus status;
    g::TangentPointOnCurve(tangent, Pair(3.0, 4.0), status);
    EXPECT_TRUE(status.failed);
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "ReferenceAlignment.hpp"
#include "engine/geometry/Lines.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "testsupport/CaseName.hpp"

namespace g = quillon::geometry;
using g::Pair;
using g::testing::CurveCase;
using g::testing::ReferenceAlignment;

namespace {

constexpr double kLength = 1e-8;  // feet
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Length of the parallel at offset q from station a to b (a < b), measured
// as a polyline through points of the integrated alignment: chords of
// step h and 2h on each piece (tangent, spiral, arc, ...), Richardson's
// extrapolation removing the h^2 chord error.
double PolylineLength(const ReferenceAlignment& ref, const CurveCase& c, double q, double a,
                      double b) {
    std::vector<double> cuts{a};
    for (double k : {0.0, c.ls1, ref.Cs(), ref.Length()})
        if (k > a && k < b) cuts.push_back(k);
    cuts.push_back(b);
    double total = 0.0;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        double lo = cuts[i], hi = cuts[i + 1];
        int m = 2 * static_cast<int>(std::ceil((hi - lo) / 0.5));
        // positions along the piece by Simpson steps from its start
        std::vector<Pair> pts{ref.Point(q, lo)};
        Pair p = ref.Point(lo);
        double step = (hi - lo) / m;
        for (int j = 1; j <= m; ++j) {
            double s0 = lo + (j - 1) * step;
            p += g::testing::Simpson(
                [&ref](double t) { return Pair(std::sin(ref.Phi(t)), std::cos(ref.Phi(t))); }, s0,
                s0 + step, 2);
            double phi = ref.Phi(lo + j * step);
            pts.push_back(p + q * Pair(std::cos(phi), -std::sin(phi)));
        }
        double fine = 0.0, coarse = 0.0;
        for (std::size_t j = 0; j + 1 < pts.size(); ++j) fine += std::abs(pts[j + 1] - pts[j]);
        for (std::size_t j = 0; j + 2 < pts.size(); j += 2) coarse += std::abs(pts[j + 2] - pts[j]);
        total += fine + (fine - coarse) / 3.0;
    }
    return total;
}

class AlongParallels : public ::testing::TestWithParam<CurveCase> {};

TEST_P(AlongParallels, ParallelLengthIsTheLengthOfTheOffsetCurve) {
    const CurveCase& c = GetParam();
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    ReferenceAlignment ref(c);
    const double L = h.length;
    struct {
        double a, b;
    } spans[] = {{-50, L + 50},
                 {c.ls1 / 2, h.csDistance + c.ls2 / 2},
                 {10, 0.8 * c.ls1 + 10},
                 {(c.ls1 + h.csDistance) / 2, L + 30},
                 {-20, c.ls1 + 5}};
    for (const auto& span : spans) {
        for (double q : {-60.0, 25.0}) {
            double expected = PolylineLength(ref, c, q, span.a, span.b);
            EXPECT_NEAR(g::ParallelLength(h, span.a, q, span.b), expected, 1e-7)
                << span.a << ".." << span.b << " q=" << q;
            EXPECT_NEAR(g::ParallelLength(h, span.b, q, span.a), -expected, 1e-7);
        }
    }
}

TEST_P(AlongParallels, StationAlongParallelUndoesParallelLength) {
    const CurveCase& c = GetParam();
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    std::vector<double> stations;
    for (int i = 0; i <= 24; ++i) stations.push_back(-60.0 + i * (h.length + 120.0) / 24.0);
    for (double key : {0.0, c.ls1, h.csDistance, h.length}) stations.push_back(key);
    for (double q : {-60.0, -10.0, 15.0, 60.0}) {
        for (double s : stations) {
            for (double t : stations) {
                g::KernelStatus status;
                double d = g::ParallelLength(h, s, q, t);
                double reached = g::StationAlongParallel(h, s, q, d, status);
                ASSERT_FALSE(status.failed) << "s=" << s << " t=" << t << " q=" << q;
                EXPECT_NEAR(reached, t, kLength) << "s=" << s << " t=" << t << " q=" << q;
                // and going back: the length to the station reached is d
                EXPECT_NEAR(g::ParallelLength(h, s, q, reached), d, kLength);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AlongParallels, ::testing::ValuesIn(g::testing::kCurveCases),
                         quillon::testsupport::CaseName());

TEST(ParallelLength, OnTheArcScalesByTheRatioOfRadii) {
    // Simple curve R = 1000, delta 30 deg: arc from 0 to 523.6. From 100 to
    // 400 at offset q: 300 (R - q)/R, the parallel's radius being R - q on
    // the right curve and |R| + q on the left.
    for (const CurveCase& c : {g::testing::kCurveCases[0], g::testing::kCurveCases[1]}) {
        g::HorizontalAlignment h = g::testing::MakeAlignment(c);
        for (double q : {-40.0, 25.0})
            EXPECT_NEAR(g::ParallelLength(h, 100, q, 400), 300 * (1000 - c.f * q) / 1000, kLength);
    }
}

TEST(ParallelLength, IsTheStationDifferenceOffTheCurveOrOnTheControl) {
    g::HorizontalAlignment h = g::testing::MakeAlignment(g::testing::kCurveCases[2]);
    EXPECT_EQ(g::ParallelLength(h, 100, 0.0, 500), 400.0);                     // q = 0
    EXPECT_EQ(g::ParallelLength(h, -300, 50.0, -20), 280.0);                   // back tangent
    EXPECT_EQ(g::ParallelLength(h, h.length + 5, 50.0, h.length + 80), 75.0);  // ahead tangent
    g::HorizontalAlignment tangent;
    EXPECT_EQ(g::ParallelLength(tangent, 100, 50.0, 500), 400.0);
    g::KernelStatus status;
    EXPECT_EQ(g::StationAlongParallel(tangent, 100, 50.0, 400, status), 500.0);
    EXPECT_EQ(g::StationAlongParallel(h, -300, 50.0, 280, status), -20.0);
    EXPECT_FALSE(status.failed);
}

TEST(StationAlongParallel, ASimpleCurveRunsFromTangentToTangent) {
    // No spirals: 50 on the back tangent, the arc at radius 990 (R - q),
    // 50 on the ahead tangent: 100 + 990 * 30deg reaches L + 50.
    g::HorizontalAlignment h = g::testing::MakeAlignment(g::testing::kCurveCases[0]);
    g::KernelStatus status;
    double d = 100 + 990 * g::testing::Radians(30);
    EXPECT_NEAR(g::StationAlongParallel(h, -50, 10, d, status), h.length + 50, kLength);
    EXPECT_NEAR(g::StationAlongParallel(h, h.length + 50, 10, -d, status), -50, kLength);
    EXPECT_FALSE(status.failed);
}

TEST(StationAlongParallel, FailsAtOrBeyondTheCentreOfTheCurve) {
    struct {
        int curve;
        double q;
        bool fails;
    } cases[] = {
        {2, 800.0, true},    // right curve, R = 800: the centre
        {2, 900.0, true},    // beyond it
        {2, 799.0, false},   // just inside
        {2, -800.0, false},  // outside
        {3, -800.0, true},   // left curve: the centre lies to the left
        {3, 800.0, false},
    };
    for (const auto& c : cases) {
        g::HorizontalAlignment h = g::testing::MakeAlignment(g::testing::kCurveCases[c.curve]);
        g::KernelStatus status;
        double r = g::StationAlongParallel(h, 100, c.q, 20, status);
        EXPECT_EQ(status.failed, c.fails) << c.curve << " q=" << c.q;
        EXPECT_TRUE(std::isfinite(r));
        if (c.fails) {
            EXPECT_EQ(r, 0.0);
        }
    }
}

TEST(StationAlongParallel, UnusableInputFailsAndAReceivedFailureReturnsZero) {
    g::HorizontalAlignment h = g::testing::MakeAlignment(g::testing::kCurveCases[2]);
    for (double bad : {kNaN, std::numeric_limits<double>::infinity()}) {
        g::KernelStatus s1, s2, s3;
        g::StationAlongParallel(h, bad, 5, 10, s1);
        g::StationAlongParallel(h, 100, bad, 10, s2);
        g::StationAlongParallel(h, 100, 5, bad, s3);
        EXPECT_TRUE(s1.failed && s2.failed && s3.failed);
    }
    g::KernelStatus failed{true};
    EXPECT_EQ(g::StationAlongParallel(h, 100, 5, 10, failed), 0.0);
}

// Crossing lines of known position with parallels.
class ParallelCrossings : public ::testing::TestWithParam<CurveCase> {};

TEST_P(ParallelCrossings, ANormalLineMeetsTheParallelAtItsStation) {
    // The line through the control's point at station s0 along its normal
    // (on the arc: a radial line) crosses the parallel at offset q at the
    // integrated point (q, s0), with no skew. (A line may cross a curved
    // parallel more than once; the crossing found is the one the frame
    // leads to, so each search starts from a frame 25 ft back.)
    const CurveCase& c = GetParam();
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    ReferenceAlignment ref(c);
    for (double s0 :
         {c.ls1 * 0.6, (c.ls1 + h.csDistance) / 2, h.length - c.ls2 * 0.3, h.length + 40, -30.0}) {
        double phi = ref.Phi(s0);
        g::KernelStatus status;
        Pair line = g::LineThroughPointAndDirection(ref.Point(s0),
                                                    Pair(std::cos(phi), -std::sin(phi)), status);
        for (double q : {-45.0, 0.0, 30.0}) {
            g::AlignmentFrame frame;
            g::PointAtStationOffset(h, frame, Pair(0, s0 - 25), status);
            double skew = 99;
            Pair r = g::IntersectLineWithParallelSkew(h, frame, line, Pair(q, 0), skew, status);
            ASSERT_FALSE(status.failed) << "s0=" << s0 << " q=" << q;
            Pair expected = ref.Point(q, s0);
            EXPECT_NEAR(std::abs(r - expected), 0.0, 1e-7) << "s0=" << s0 << " q=" << q;
            EXPECT_NEAR(skew, 0.0, 1e-9) << "s0=" << s0;
        }
    }
}

TEST_P(ParallelCrossings, ALineTurnedFromTheNormalGivesThatSkew) {
    // Through the control's point at s0, along the normal turned
    // counterclockwise by alpha: crossing with the control itself (q = 0)
    // is that point, and the skew is -alpha for either hand. (The search
    // starts from a frame 5 ft back, nearer this crossing than the line's
    // other crossings with the curve.)
    const CurveCase& c = GetParam();
    g::HorizontalAlignment h = g::testing::MakeAlignment(c);
    ReferenceAlignment ref(c);
    for (double s0 : {c.ls1 * 0.5, (c.ls1 + h.csDistance) / 2, h.length - c.ls2 * 0.5}) {
        for (double alpha : {0.3, -0.7, 1.0}) {
            double phi = ref.Phi(s0);
            Pair dir = Pair(std::cos(phi), -std::sin(phi)) * g::UnitAt(alpha);
            g::KernelStatus status;
            Pair line = g::LineThroughPointAndDirection(ref.Point(s0), dir, status);
            g::AlignmentFrame frame;
            g::PointAtStationOffset(h, frame, Pair(0, s0 - 5), status);
            double skew = 99;
            Pair r = g::IntersectLineWithParallelSkew(h, frame, line, Pair(0, 0), skew, status);
            ASSERT_FALSE(status.failed) << "s0=" << s0 << " alpha=" << alpha;
            EXPECT_NEAR(std::abs(r - ref.Point(s0)), 0.0, 1e-7);
            EXPECT_NEAR(skew, -alpha, 1e-9) << "s0=" << s0 << " alpha=" << alpha;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ParallelCrossings, ::testing::ValuesIn(g::testing::kCurveCases),
                         quillon::testsupport::CaseName());

TEST(IntersectLineWithParallel, AFreshFrameStartsFromTheLineXZero) {
    // Tangent control; the line y = 50 (foot (0, 50)) and the parallel at
    // 12: the first crossing is with x = 0 at (0, 50), the next with the
    // parallel x = 12 at (12, 50), which then stays.
    g::HorizontalAlignment tangent;
    g::AlignmentFrame frame;
    g::KernelStatus status;
    Pair r = g::IntersectLineWithParallel(tangent, frame, Pair(0, 50), Pair(12, 0), status);
    EXPECT_FALSE(status.failed);
    EXPECT_NEAR(r.real(), 12.0, 1e-12);
    EXPECT_NEAR(r.imag(), 50.0, 1e-12);
}

TEST(IntersectLineWithParallel, DegenerateInputFails) {
    g::HorizontalAlignment h = g::testing::MakeAlignment(g::testing::kCurveCases[2]);
    struct {
        Pair line, qw;
    } cases[] = {
        {Pair(0, 0), Pair(10, 0)},      // no line
        {Pair(1e-20, 0), Pair(10, 0)},  // Dot2(F, F) below 1e-37
        {Pair(0, 50), Pair(10, 1e-6)},  // a parallel pair with a y part
        {Pair(kNaN, 50), Pair(10, 0)}, {Pair(0, 50), Pair(kNaN, 0)}, {Pair(0, 50), Pair(10, kNaN)},
        {Pair(-7, 0), Pair(10, 0)},  // parallel to the back tangent's parallel
    };
    for (const auto& c : cases) {
        g::AlignmentFrame frame;
        g::KernelStatus status;
        double skew = 99;
        EXPECT_EQ(g::IntersectLineWithParallelSkew(h, frame, c.line, c.qw, skew, status),
                  Pair(0, 0));
        EXPECT_TRUE(status.failed) << c.line << c.qw;
        EXPECT_EQ(skew, 99);
    }
    g::AlignmentFrame frame;
    g::KernelStatus failed{true};
    EXPECT_EQ(g::IntersectLineWithParallel(h, frame, Pair(0, 50), Pair(10, 0), failed), Pair(0, 0));
}

TEST(IntersectLineWithParallel, AnyLineEndsWithACrossingOrAFailure) {
    // Lines in every direction at many distances, crossed with parallels
    // near and beyond the centre: every call ends, finite or failed.
    for (const CurveCase& c : g::testing::kCurveCases) {
        g::HorizontalAlignment h = g::testing::MakeAlignment(c);
        for (double angle = 0; angle < 2 * quillon::angles::kPi; angle += 0.37) {
            for (double dist : {0.5, 150.0, 700.0, 2500.0}) {
                for (double q : {-900.0, -30.0, 0.0, 30.0, 900.0}) {
                    g::AlignmentFrame frame;
                    g::KernelStatus status;
                    Pair r = g::IntersectLineWithParallel(h, frame, dist * g::UnitAt(angle),
                                                          Pair(q, 0), status);
                    if (status.failed)
                        EXPECT_EQ(r, Pair(0, 0));
                    else
                        EXPECT_TRUE(g::IsFinite(r));
                }
            }
        }
    }
}

}  // namespace

// LocateBentLine against hand-worked geometry: on a straight control the
// lines are straight-line constructions; on the circle R = 1000 (centre
// (1000, 0), point at s = R (1 - cos(s/R), sin(s/R))) a line y = c meets the
// circle at s = R asin(c/R).
#include <gtest/gtest.h>

#include <cmath>

#include "LineSetTestSupport.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/BentLineLocation.hpp"

namespace quillon::engine {
namespace {

using linesettest::Card;
using linesettest::CurvedAlignment;
using linesettest::kPi;
using linesettest::kRadius;
using linesettest::kTsStation;
using linesettest::LineSetRun;
using linesettest::NoSteps;
using linesettest::ReferenceCard;
using linesettest::StraightAlignment;

constexpr double kLength = 1e-7;  // feet
constexpr double kAngle = 1e-9;   // radians

const std::string kGirder = Card({{1, "05"}, {3, "0"}, {12, "4"}, {30, "GIRDER"}});

double Radians(double degrees) { return degrees * kPi / 180.0; }

struct Located {
    double station = 0.0;
    Pair point;
    bool failed = false;
};

Located Locate(LineSetRun& run, int slot) {
    Located out;
    geometry::KernelStatus status;
    LocateBentLine(run.Horizontal(), run.alignmentState.frame, run.LineSet(), slot, status,
                   out.station, out.point);
    out.failed = status.failed;
    return out;
}

std::unique_ptr<LineSetRun> RunWith(std::vector<std::string> alignment,
                                    const std::string& reference,
                                    const std::vector<std::string>& bents) {
    std::vector<std::string> cards{reference, kGirder};
    cards.insert(cards.end(), bents.begin(), bents.end());
    auto run = std::make_unique<LineSetRun>(alignment, cards);
    EXPECT_TRUE(run->Run(NoSteps()));
    EXPECT_FALSE(run->run.state.fatalFlag) << run->listing.str();
    return run;
}

TEST(LocateBentLine, OnTheBackTangentFromAReferenceLineOnItsExtension) {
    // The reference line y = 1500 - TS (square to the back tangent at TS +
    // 500) crosses the back tangent at (0, 500); 100 further on and square to
    // the back tangent is the line y = 600, which meets the circle at
    // R asin(0.6) = 643.5011.
    auto run = RunWith(CurvedAlignment(), ReferenceCard("1500.", "1", "3", "1"),
                       {Card({{1, "06"}, {3, "100."}, {11, "2"}, {21, "3"}})});
    run->LineSet().tangentsUsed = 0;
    const Located bent = Locate(*run, 2);
    ASSERT_FALSE(bent.failed);
    const double c = 1600.0 - kTsStation;
    EXPECT_NEAR(bent.station, kRadius * std::asin(c / kRadius), kLength);
    EXPECT_NEAR(kRadius * std::asin(0.6), 643.5011, 1e-4);
    EXPECT_NEAR(bent.point.imag(), c, kLength);
    const BentLine& slot = run->LineSet().bents.Slot(2);
    EXPECT_NEAR(slot.skewUsed, -std::asin(c / kRadius), kAngle);
    EXPECT_EQ(slot.station, bent.station);
    EXPECT_NEAR(std::abs(slot.sigma * slot.foot), 1.0, 1e-12);
    EXPECT_EQ(run->LineSet().tangentsUsed, kBackTangentMark);
}

TEST(LocateBentLine, SquareToTheAheadTangentAtAStationOfTheCurve) {
    // Distance type 0 at s = 300 (reference at s = 200): the base point is on
    // the circle; square to the ahead tangent (deflection 60 degrees) the line
    // makes 60 degrees - 0.3 rad with the radial line there.
    auto run = RunWith(CurvedAlignment(), ReferenceCard("1200.", "0", "1", "1"),
                       {Card({{1, "06"}, {3, "100."}, {11, "0"}, {21, "4"}})});
    const Located bent = Locate(*run, 2);
    ASSERT_FALSE(bent.failed);
    const double s = 1300.0 - kTsStation;
    EXPECT_NEAR(bent.station, s, kLength);
    EXPECT_NEAR(run->LineSet().bents.Slot(2).skewUsed, Radians(60.0) - s / kRadius, kAngle);
    EXPECT_NE(run->LineSet().tangentsUsed & kAheadTangentMark, 0);
}

TEST(LocateBentLine, SkewFromTheControlMeetsAParallelBehindItsStation) {
    // Straight control: a bent line at S skewed 20 degrees meets the parallel
    // at offset 10 at S - 10 tan 20; 10 along it from its crossing lies at
    // offset 10 cos 20, station S - 10 sin 20.
    auto run = RunWith(StraightAlignment(), ReferenceCard("1200.", "0", "1", "1"),
                       {Card({{1, "06"}, {3, "100."}, {13, "20"}, {21, "1"}})});
    const Located bent = Locate(*run, 2);
    ASSERT_FALSE(bent.failed);
    const double s = run->LineSet().reference.station + 100.0;
    EXPECT_NEAR(bent.station, s, kLength);
    const BentLine& slot = run->LineSet().bents.Slot(2);
    geometry::KernelStatus status;
    const Pair q10 = geometry::IntersectLineWithParallel(
        run->Horizontal(), run->alignmentState.frame, slot.foot, Pair(10.0, 0.0), status);
    ASSERT_FALSE(status.failed);
    EXPECT_NEAR(q10.imag(), s - 10.0 * std::tan(Radians(20.0)), kLength);
    const Pair along = AlongBentLine(slot, 10.0);
    EXPECT_NEAR(along.real(), 10.0 * std::cos(Radians(20.0)), kLength);
    EXPECT_NEAR(along.imag(), s - 10.0 * std::sin(Radians(20.0)), kLength);
    EXPECT_NEAR(slot.skewUsed, Radians(20.0), kAngle);
}

TEST(LocateBentLine, NormalToTheReferenceLineAndOnTheLayoutLine) {
    // Straight control, reference line square to it at station S0 (the TS
    // lies 0.00002 past it): a line normal to the reference line 50 further
    // on is the line y = S0 + 50; distance type 1, 30 along the layout line
    // (the back tangent) from the reference line, with the default skew
    // parallel to the reference line: y = S0 + 30.
    auto run = RunWith(
        StraightAlignment(), ReferenceCard("1200.", "0", "1", "1"),
        {Card({{1, "06"}, {3, "50."}, {11, "4"}}), Card({{1, "06"}, {3, "30."}, {11, "1"}})});
    const double s0 = run->LineSet().reference.station;
    EXPECT_NEAR(s0, -0.00002, 1e-9);
    const Located normal = Locate(*run, 2);
    ASSERT_FALSE(normal.failed);
    EXPECT_NEAR(normal.station, s0 + 50.0, kLength);
    const Located onLayout = Locate(*run, 3);
    ASSERT_FALSE(onLayout.failed);
    EXPECT_NEAR(onLayout.station, s0 + 30.0, kLength);
    EXPECT_NEAR(run->LineSet().bents.Slot(3).skewUsed, 0.0, kAngle);
}

TEST(LocateBentLine, SkewFromTheLayoutLineOfTheBackTangent) {
    // The layout line's normal turned by the skew: on the back tangent the
    // same line as the back tangent's normal turned by it.
    auto run = RunWith(CurvedAlignment(), ReferenceCard("1200.", "0", "1", "1"),
                       {Card({{1, "06"}, {3, "100."}, {13, "12"}, {21, "3"}})});
    const Located fromBack = Locate(*run, 2);
    run->LineSet().bents.Slot(2).skewType = kSkewFromLayoutLine;
    const Located fromLayout = Locate(*run, 2);
    ASSERT_FALSE(fromLayout.failed);
    EXPECT_NEAR(fromLayout.station, fromBack.station, kLength);
}

TEST(LocateBentLine, DefaultSkewTakesTheReferenceSkew) {
    // Column 25 = 1: a bent line without a skew of its own is skewed as the
    // reference line (10 degrees from the control), at its own station.
    auto run =
        RunWith(CurvedAlignment(), ReferenceCard("1200.", "0", "1", "1", {{16, "10"}, {25, "1"}}),
                {Card({{1, "06"}, {3, "100."}})});
    const BentLine& slot = run->LineSet().bents.Slot(2);
    EXPECT_EQ(slot.skewType, kSkewFromControl);
    EXPECT_NEAR(slot.skew, Radians(10.0), kAngle);
    const Located bent = Locate(*run, 2);
    ASSERT_FALSE(bent.failed);
    EXPECT_NEAR(bent.station, 1300.0 - kTsStation, kLength);
    EXPECT_NEAR(run->LineSet().bents.Slot(2).skewUsed, Radians(10.0), kAngle);
}

TEST(LocateBentLine, LineAlongTheControlDoesNotCrossIt) {
    // Skewed 90 degrees on a straight control the bent line runs along it.
    auto run = RunWith(StraightAlignment(), ReferenceCard("1200.", "0", "1", "1"),
                       {Card({{1, "06"}, {3, "100."}, {13, "90"}, {21, "3"}})});
    const Located bent = Locate(*run, 2);
    EXPECT_TRUE(bent.failed);
    geometry::KernelStatus failed;
    failed.failed = true;
    double station = -1.0;
    Pair point(7.0, 7.0);
    LocateBentLine(run->Horizontal(), run->alignmentState.frame, run->LineSet(), 2, failed, station,
                   point);
    EXPECT_EQ(station, -1.0);  // a failed status leaves everything as it is
    EXPECT_EQ(point, Pair(7.0, 7.0));
}

TEST(SkewOfDirection, AngleFromTheNormalClockwise) {
    geometry::HorizontalAlignment right;
    right.f = 1.0;
    geometry::HorizontalAlignment left;
    left.f = -1.0;
    for (const auto* h : {&right, &left}) {
        // The normal itself: 0; turned clockwise by 0.3: 0.3; its reverse: the same line.
        EXPECT_NEAR(SkewOfDirection(*h, Pair(1.0, 0.0), 0.0), 0.0, kAngle);
        EXPECT_NEAR(SkewOfDirection(*h, geometry::UnitAt(-0.3), 0.0), 0.3, kAngle);
        EXPECT_NEAR(SkewOfDirection(*h, -geometry::UnitAt(-0.3), 0.0), 0.3, kAngle);
        // At a tangent deflection of 0.5 the normal has turned by 0.5 too.
        EXPECT_NEAR(SkewOfDirection(*h, geometry::UnitAt(-0.8), 0.5), 0.3, kAngle);
    }
}

}  // namespace
}  // namespace quillon::engine

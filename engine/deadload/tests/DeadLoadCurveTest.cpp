// The fit of a dead-load set: its points and weights, the order of tries and
// the curve in the span fraction. Expected curves are the polynomials the
// deflections were made from (exact data must be recovered), worked out by
// hand in the comments.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/deadload/DeadLoadCurve.hpp"
#include "engine/deadload/tests/DeadLoadTestSupport.hpp"

namespace quillon::engine {
namespace {

using testing::DeflectionRecord;
using testing::ManyCardSet;
using testing::OneCardSet;

constexpr double kClose = 1e-9;  // feet: exact data recovered through the normal equations
// The quartic's normal equations hold sums of x^8 over x in 1..2 and lose
// about seven digits: 1e-7 ft is still 1e-6 inch, far below what is listed.
constexpr double kQuarticClose = 1e-7;

struct Fitted {
    DeflectionFit fit;
    DeadLoadCurveTerms terms;
    DeflectionPoints gathered;
};

Fitted FitSet(const std::vector<DeadLoadRecord>& records) {
    Fitted out;
    const int cards = records.front().cardCount;
    const int mode = EndMode(records, 0, cards);
    out.gathered = GatherDeflections(records, 0, cards, mode);
    DeflectionPoints work = out.gathered;
    out.fit = FitDeflections(work, FitTolerance(mode));
    out.terms = CurveInSpanFraction(out.fit.c, mode);
    return out;
}

void ExpectCurve(const std::array<double, kCurveTerms>& curve,
                 const std::array<double, kCurveTerms>& expected, double close = kClose) {
    for (size_t k = 0; k < curve.size(); ++k) EXPECT_NEAR(curve[k], expected[k], close) << "A" << k;
}

TEST(DeadLoadCurve, BlankEndsAreSupportsAndRecoverTheParabolaOfASimpleSpan) {
    // 4D t(1 - t) with the end values blank: end mode 3, the fit is made on
    // y / ((x - 1)(x - 2)) = -4D, a constant, so the quartic, cubic and
    // quadratic tries all fail and the straight refit keeps c0 = -4D. Times
    // t and (t - 1) that is 4D t - 4D t^2.
    const double d = 0.1;
    const auto records = std::vector<DeadLoadRecord>{
        OneCardSet("EA", [d](double t) { return 4 * d * t * (1 - t); }, {0, 10})};
    const Fitted f = FitSet(records);
    EXPECT_EQ(EndMode(records, 0, 1), 3);
    EXPECT_DOUBLE_EQ(FitTolerance(3), 0.000001 / 8);
    EXPECT_EQ(f.fit.degree, FitDegree::Straight);
    ExpectCurve(f.terms.curve, {0, 4 * d, -4 * d, 0, 0, 0, 0});
    // Listed before the ends are restored: the constant -4D.
    ExpectCurve(f.terms.fitted, {-4 * d, 0, 0, 0, 0, 0, 0});
    EXPECT_NEAR(EvaluateCurve(f.terms.curve, 0.5), d, kClose);
    EXPECT_NEAR(EvaluateCurve(f.terms.curve, 0.0), 0.0, kClose);
    EXPECT_NEAR(EvaluateCurve(f.terms.curve, 1.0), 0.0, kClose);
}

TEST(DeadLoadCurve, QuarticWithInflectionsInsideTheSpanIsKept) {
    // s (t^4 - 2t^3 + 0.96t^2): y'' = 12 s (t - 0.2)(t - 0.8), so the
    // inflection points lie at x = 1.2 and 1.8: midpoint 1.5, distance 0.6.
    const double s = 0.05;
    const auto records = std::vector<DeadLoadRecord>{OneCardSet(
        "EA", [s](double t) { return s * (t * t * t * t - 2 * t * t * t + 0.96 * t * t); })};
    const Fitted f = FitSet(records);
    EXPECT_EQ(f.fit.degree, FitDegree::Quartic);
    ExpectCurve(f.terms.curve, {0, 0, 0.96 * s, -2 * s, s, 0, 0}, kQuarticClose);
    ExpectCurve(f.terms.fitted, f.terms.curve);  // end mode 0: nothing to restore
}

TEST(DeadLoadCurve, CubicWithItsInflectionAtMidSpanIsKept) {
    // 0.01 (t - 0.5)^3 + 0.02 = 0.01 t^3 - 0.015 t^2 + 0.0075 t + 0.01875:
    // no quartic term, inflection at x = 1.5 (inside 0.7 .. 2.3).
    const auto records = std::vector<DeadLoadRecord>{
        OneCardSet("EA", [](double t) { return 0.01 * (t - 0.5) * (t - 0.5) * (t - 0.5) + 0.02; })};
    const Fitted f = FitSet(records);
    EXPECT_EQ(f.fit.degree, FitDegree::Cubic);
    ExpectCurve(f.terms.curve, {0.01875, 0.0075, -0.015, 0.01, 0, 0, 0});
}

TEST(DeadLoadCurve, QuadraticIsKeptWhenTheHigherTriesFail) {
    const auto records = std::vector<DeadLoadRecord>{
        OneCardSet("EA", [](double t) { return 0.02 + 0.01 * t - 0.03 * t * t; })};
    const Fitted f = FitSet(records);
    EXPECT_EQ(f.fit.degree, FitDegree::Quadratic);
    ExpectCurve(f.terms.curve, {0.02, 0.01, -0.03, 0, 0, 0, 0});
    EXPECT_FALSE(f.fit.notEnoughValues);
}

TEST(DeadLoadCurve, EndWeightsFallWithTheCardCount) {
    // 110 - 5c between 10 and 40.
    EXPECT_EQ(EndWeight(1), 40);
    EXPECT_EQ(EndWeight(14), 40);
    EXPECT_EQ(EndWeight(15), 35);
    EXPECT_EQ(EndWeight(20), 10);
    EXPECT_EQ(EndWeight(21), 10);
    // The weight is the number of copies of the first and the last value.
    for (int cards : {14, 15, 20}) {
        const auto records = ManyCardSet("EA", cards, [](double t) { return 0.01 * t; });
        const DeflectionPoints g = GatherDeflections(records, 0, cards, 0);
        int first = 0, last = 0;
        for (const geometry::FitPoint& p : g.points) {
            if (p.x == 1.0) ++first;
            if (p.x == 2.0) ++last;
        }
        EXPECT_EQ(first, EndWeight(cards)) << cards;
        EXPECT_EQ(last, EndWeight(cards)) << cards;
        // 11 values a card, each shared boundary counted once.
        EXPECT_EQ(g.given, 10 * cards + 1) << cards;
        EXPECT_TRUE(g.events.empty()) << cards;
    }
}

TEST(DeadLoadCurve, TwoCardsGiveTwentiethPointsWithTheSharedPointOnce) {
    const auto records = ManyCardSet("EA", 2, [](double t) { return 0.01 * t; });
    const DeflectionPoints g = GatherDeflections(records, 0, 2, 0);
    EXPECT_EQ(g.given, 21);
    // 22 values, the two ends 40 times each.
    ASSERT_EQ(g.points.size(), 22u + 2 * 39);
    // After the 40 copies of x = 1.0 come 1.05, 1.10, ... in steps of 0.05.
    EXPECT_DOUBLE_EQ(g.points[40].x, 1.05);
    EXPECT_DOUBLE_EQ(g.points[41].x, 1.10);
    // The shared twentieth point (tenth point 10 of card 1, 0 of card 2) is
    // stored from both cards at x = 1.5.
    EXPECT_DOUBLE_EQ(g.points[49].x, 1.5);
    EXPECT_DOUBLE_EQ(g.points[50].x, 1.5);
    const auto fit = FitSet(records);
    ExpectCurve(fit.terms.curve, {0, 0.01, 0, 0, 0, 0, 0});
}

TEST(DeadLoadCurve, BoundaryValuesThatDifferReportOnlyFrom0_00004) {
    // 2^-14 = 0.000061 apart: reported; 2^-15 = 0.0000305 apart: not.
    for (double gap : {std::ldexp(1.0, -14), std::ldexp(1.0, -15)}) {
        auto records = ManyCardSet("EA", 2, [](double t) { return 0.5 + 0 * t; });
        records[1].deflections[0] = 0.5 + gap;
        const DeflectionPoints g = GatherDeflections(records, 0, 2, 0);
        const bool reported =
            !g.events.empty() && g.events[0] == GatherEvent::InconsistentDeflections;
        EXPECT_EQ(reported, gap > 0.00004) << gap;
        EXPECT_EQ(g.given, 21);  // the second value counts once either way
    }
}

TEST(DeadLoadCurve, TwentyOneFullCardsAreTooManyValues) {
    // 21 cards: 231 values and 2 x 9 more copies of the ends = 249 > 240.
    const auto many = ManyCardSet("EA", 21, [](double t) { return 0.01 * t * (1 - t) + 0.001; });
    const DeflectionPoints g = GatherDeflections(many, 0, 21, 0);
    ASSERT_EQ(g.events.size(), 1u);
    EXPECT_EQ(g.events[0], GatherEvent::TooManyValues);
    EXPECT_EQ(g.points.size(), 240u);
    // 20 cards: 220 values and 18 copies = 238, within the limit.
    const auto twenty = ManyCardSet("EA", 20, [](double t) { return 0.01 * t; });
    EXPECT_TRUE(GatherDeflections(twenty, 0, 20, 0).events.empty());
}

TEST(DeadLoadCurve, FewValuesFallBackToLowerDegrees) {
    // Four values (t = 0, 0.3, 0.7, 1 of 0.02 + 0.01t - 0.03t^2): the
    // warning, the second-degree try, the quadratic itself.
    {
        auto r = OneCardSet("EA", [](double t) { return 0.02 + 0.01 * t - 0.03 * t * t; },
                            {1, 2, 4, 5, 6, 8, 9});
        const Fitted f = FitSet({r});
        EXPECT_TRUE(f.fit.notEnoughValues);
        EXPECT_TRUE(f.fit.secondDegreeTry);
        EXPECT_EQ(f.fit.degree, FitDegree::Quadratic);
        ExpectCurve(f.terms.curve, {0.02, 0.01, -0.03, 0, 0, 0, 0});
    }
    // Two values, 0.001 at t = 0 and 0.003 at t = 1: the straight line
    // 0.001 + 0.002 t, no second-degree try.
    {
        auto r = OneCardSet("EA", [](double t) { return 0.001 + 0.002 * t; },
                            {1, 2, 3, 4, 5, 6, 7, 8, 9});
        const Fitted f = FitSet({r});
        EXPECT_TRUE(f.fit.notEnoughValues);
        EXPECT_FALSE(f.fit.secondDegreeTry);
        EXPECT_EQ(f.fit.degree, FitDegree::TwoValues);
        ExpectCurve(f.terms.curve, {0.001, 0.002, 0, 0, 0, 0, 0});
    }
    // One value, d at mid-span with blank ends: y = d / (0.5 x -0.5) = -4d,
    // restored to 4d t(1 - t), the parabola through the supports.
    {
        const double d = 0.04;
        auto r = OneCardSet("EA", [d](double) { return d; }, {0, 1, 2, 3, 4, 6, 7, 8, 9, 10});
        const Fitted f = FitSet({r});
        EXPECT_EQ(f.fit.degree, FitDegree::OneValue);
        ExpectCurve(f.terms.curve, {0, 4 * d, -4 * d, 0, 0, 0, 0});
    }
    // No value: no valid fit.
    {
        auto r = OneCardSet("EA", [](double) { return 0.0; }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        const Fitted f = FitSet({r});
        EXPECT_EQ(f.gathered.given, 0);
        EXPECT_FALSE(f.fit.Valid());
    }
}

TEST(DeadLoadCurve, EvaluatesByHornersRule) {
    // 1 + 2t + 3t^2 at t = 0.5: 1 + 1 + 0.75.
    EXPECT_DOUBLE_EQ(EvaluateCurve({1, 2, 3, 0, 0, 0, 0}, 0.5), 2.75);
    EXPECT_DOUBLE_EQ(EvaluateCurve({0, 0, 0, 0, 0, 0, 1}, 2.0), 64.0);
}

}  // namespace
}  // namespace quillon::engine

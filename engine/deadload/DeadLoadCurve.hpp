// The deflection curve of one dead-load set (an initial 07 card and its
// continuation cards): the tenth-point deflections gathered as weighted fit
// points, the fit of degree 4, 3, 2 or 1 that passes its shape test, and the
// curve in the span fraction with the ends that were not given restored.
//
// Units: deflections feet (downward positive, as on the cards); x runs from
// 1.0 at the set's first tenth point to 2.0 at its last; t = x - 1.
#pragma once

#include <array>
#include <vector>

#include "engine/geometry/PolynomialFit.hpp"
#include "engine/linesets/LineSetState.hpp"

namespace quillon::engine {

// A deflection is given when it is this or less (feet).
inline constexpr double kMostGivenDeflection = 9000.0;
// The boundary deflections of two cards count as one value when they differ
// by less than this (feet).
inline constexpr double kSamePointDeflection = 0.00004;
inline constexpr int kMostFitPoints = 240;

inline bool IsGiven(double deflection) { return deflection <= kMostGivenDeflection; }

// The end mode m of a set: 1 when its first deflection is not given, plus 2
// when its last is not. Those ends are supports of zero deflection, divided
// out before the fit.
int EndMode(const std::vector<DeadLoadRecord>& records, size_t first, int cards);

// The fit tolerance T = 0.000001 / 2^m.
double FitTolerance(int endMode);

// The end weight of a set of c cards: 110 - 5c, at least 10 and at most 40.
int EndWeight(int cards);

enum class GatherEvent {
    InconsistentDeflections,  // two cards' boundary values differ by 0.00004 ft or more
    TooManyValues,            // 240 weighted points were stored; gathering stopped
};

struct DeflectionPoints {
    std::vector<geometry::FitPoint> points;  // each value `weight` times, in card order
    int given = 0;                           // given deflections, a shared boundary once
    std::vector<GatherEvent> events;         // in the order they arose
};

// The weighted fit points of the set of `cards` records from `first`: each
// given deflection at x with y divided by (x - 1) for an odd end mode and by
// (x - 2) for end mode 2 or 3; the set's first and last values EndWeight
// times, the others once. Stops at 240 points.
DeflectionPoints GatherDeflections(const std::vector<DeadLoadRecord>& records, size_t first,
                                   int cards, int endMode);

enum class FitDegree {
    None,       // no valid fit
    Quartic,    // degree 4, its inflection points inside the span
    Cubic,      // degree 3, its inflection point near the span
    Quadratic,  // degree 2
    Straight,   // degree 1 refitted from the quadratic's normal equations
    TwoValues,  // the line through the first and the last point
    OneValue,   // the one value, constant
};

struct DeflectionFit {
    FitDegree degree = FitDegree::None;
    std::array<double, 5> c{};     // c0 + c1 x + ... + c4 x^4
    bool notEnoughValues = false;  // four or fewer given: the warning line
    bool secondDegreeTry = false;  // three or four given: the second-degree line
    bool Valid() const { return degree != FitDegree::None; }
};

// The fit of the gathered points (their y values are used up by it) in the
// order of tries: degree 4 when five or more values are given, then 3, then
// 2, then 1, each kept when it passes its test against the tolerance T.
DeflectionFit FitDeflections(DeflectionPoints& gathered, double tolerance);

struct DeadLoadCurveTerms {
    // A0 to A6 of the fit in t = x - 1, before the ends are restored: the
    // coefficients the listing prints (A4 to A0).
    std::array<double, kCurveTerms> fitted{};
    // The DeadLoadCurve: the same times t (odd end mode) and times (t - 1)
    // (end mode 2 or 3).
    std::array<double, kCurveTerms> curve{};
};

DeadLoadCurveTerms CurveInSpanFraction(const std::array<double, 5>& c, int endMode);

// A0 + A1 t + ... + A6 t^6 by Horner's rule.
double EvaluateCurve(const std::array<double, kCurveTerms>& a, double t);

}  // namespace quillon::engine

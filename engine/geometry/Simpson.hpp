// Simpson's rule with interval halving: the engine's one numeric integral
// (the average cross slope of a line set is the integral of the slope over
// a span of stations divided by its length).
#pragma once

#include <functional>

namespace quillon::geometry {

// Fewest and most intervals the rule uses.
inline constexpr int kFewestSimpsonIntervals = 8;
inline constexpr int kMostSimpsonIntervals = 16384;
// The smallest relative tolerance honoured.
inline constexpr double kSmallestSimpsonTolerance = 1e-12;

// The integral of f from a to b (either order; a == b gives 0) by Simpson's
// rule on 2, 4, 8, ... intervals: from 8 intervals on it stops when two
// successive estimates agree to the relative tolerance |tol| (at least
// 1e-12), when the previous estimate is exactly 0.0, or at 16384 intervals,
// and returns the last estimate. A cubic is integrated exactly.
double IntegrateSimpson(const std::function<double(double)>& f, double a, double b, double tol);

}  // namespace quillon::geometry

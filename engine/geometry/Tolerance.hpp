// The three-way comparison with an absolute tolerance that every tolerance
// test of the engine uses (in feet, in both builds).
#pragma once

namespace quillon::geometry {

// 0 when |a - b| < |tol| (a negative tolerance acts as its absolute value),
// else 1 when a > b, else -1. A NaN argument compares as -1.
int CompareWithTolerance(double a, double b, double tol);

}  // namespace quillon::geometry

// The clothoid series.
//
// A clothoid (spiral) of length L whose tangent turns by theta from its start
// has its end at X along the start tangent and Y to the side of it:
//   Y/L = integral over u in 0..1 of sin(theta*u^2) du
//       = theta/3 - theta^3/42 + theta^5/1320 - ...
//   X/L = integral over u in 0..1 of cos(theta*u^2) du
//       = 1 - theta^2/10 + theta^4/216 - ...
// theta in radians, signed (Y/L is odd in theta, X/L even). The sums stop
// after the first term at most 1e-15 of the running sum, which gives full
// double precision for |theta| up to pi/2 (the spiral angles the curve check
// lets through); at most 100 terms are taken, so no argument can hang them,
// and a non-finite theta gives a non-finite result.
#pragma once

namespace quillon::geometry {

double SpiralYOverL(double theta);
double SpiralXOverL(double theta);

}  // namespace quillon::geometry

// Parallels of the horizontal control: crossing a straight line with the
// parallel at an offset, and measuring along a parallel.
//
// Stations are internal (feet from the TS), offsets feet (right positive),
// angles radians. On a curve the parallel at offset q has length
// ds - q * d(phi) for each length ds of the control whose tangent turns by
// d(phi); this holds while the parallel stays on the near side of every
// centre of curvature (f * q below |R|).
#pragma once

#include "engine/geometry/AlignmentFrame.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"

namespace quillon::geometry {

// The crossing of line F (foot form) with the parallel of the horizontal
// control at offset q, given as the pair (q, w) with w = 0. Starts from the
// tangent of the AlignmentFrame that the last position kernel left, then
// moves to the tangent at each new crossing until two crossings agree to
// 5e-26 of the squared distance from the origin, at most 41 times (the last
// crossing is taken when it moved by at most 2e-8 squared feet). Fails on
// |w| above 1e-30, a line with Dot2(F, F) below 1e-37, parallel lines, a
// point that cannot be located, a non-finite value, or no settling.
Pair IntersectLineWithParallel(const HorizontalAlignment& h, AlignmentFrame& frame, Pair foot,
                               Pair qw, KernelStatus& status);

// The same, also giving the skew of F at the crossing: the angle from the
// normal of the horizontal control there to the line, radians in
// -pi/2..pi/2, positive when the line is turned clockwise from the normal
// (seen with stations increasing up the page and offsets to the right), for
// either hand of curve. `skew` is left alone on failure.
Pair IntersectLineWithParallelSkew(const HorizontalAlignment& h, AlignmentFrame& frame, Pair foot,
                                   Pair qw, double& skew, KernelStatus& status);

// The signed length along the parallel at offset q from station a to
// station b. Without a curve, with |b - a| or |q| below 2e-8, or with both
// stations on one tangent, it is b - a. A non-finite argument gives a
// non-finite length.
double ParallelLength(const HorizontalAlignment& h, double a, double q, double b);

// The station reached by going distance d (signed, feet along the parallel)
// along the parallel at offset q from station s; the inverse of
// ParallelLength in its last argument. Without a curve, with |q| or |d|
// below 2e-8, or on one tangent only, it is s + d. Fails (status set, result
// 0) when the offset lies at or beyond the centre of the curve
// (f * q >= |R|) or the input is not finite.
double StationAlongParallel(const HorizontalAlignment& h, double s, double q, double d,
                            KernelStatus& status);

}  // namespace quillon::geometry

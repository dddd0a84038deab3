// Where the curve system of the horizontal control runs parallel to a given
// straight line: the station of the curve point whose tangent has the
// line's direction, and the line's offset there.
//
// Units: feet and radians; stations internal (feet from the TS); offsets
// right positive.
#pragma once

#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"

namespace quillon::geometry {

// A line direction within this angle (radians) of a tangent end of the
// curve system counts as the tangent's own direction: no curve point is
// parallel to it.
inline constexpr double kTangentEndAngle = 1e-12;

// The station-offset pair (q, s) for the line F (foot form): s is the
// station of the point of the curve system whose tangent is parallel to F,
// q the offset of F from the control there (positive when F lies to the
// right of the control). The tangent deflection phi of that point follows
// from the angle of F's normal; phi is placed in the first spiral (f*phi
// below |theta1|: the spiral point of that tangent angle), on the circular
// arc (s = Ls1 + (phi - theta1) R), or in the second spiral (f*phi above
// |delta - theta2|). Fails (status set, (0, 0)) without a curve, for a foot
// pair shorter than 1e-15, and for a direction outside the curve system
// (parallel to a tangent within kTangentEndAngle, or turned beyond the
// deflection). q may lie beyond the centre of curvature. Reads no frame and
// leaves none.
Pair TangentPointOnCurve(const HorizontalAlignment& h, Pair foot, KernelStatus& status);

}  // namespace quillon::geometry

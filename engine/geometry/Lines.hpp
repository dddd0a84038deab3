// Straight lines in foot form: crossing two lines, the line through two
// points, the line through a point along a direction.
//
// Foot form: a line is held as the pair F that is its point nearest the
// origin; the line is every Z with Dot2(Z, F) = Dot2(F, F). The zero pair is
// the line x = 0 (the back tangent's line). Any other line through the origin
// is held as 1e-15 times a unit normal of it, so that its direction survives.
//
// Tolerances (feet and squared feet): lines whose cross product is below
// 1e-37 are parallel; two points closer than 1e-15 or a direction shorter
// than 1e-15 make no line. A non-finite coordinate fails like a degenerate
// line.
#pragma once

#include "engine/geometry/Pair.hpp"

namespace quillon::geometry {

// The crossing point of lines A and B (foot form). Fails on parallel lines
// and on the line x = 0 crossed with a line that is (nearly) parallel to it.
Pair IntersectLines(Pair a, Pair b, KernelStatus& status);

// The line through points A and B, foot form. Points whose x values are
// within 1e-6 of 0 on a line within 1e-8 of the y direction give the line
// x = 0, the pair (0, 0), exactly.
Pair LineThroughPoints(Pair a, Pair b, KernelStatus& status);

// The line through point A along direction V, foot form.
Pair LineThroughPointAndDirection(Pair a, Pair v, KernelStatus& status);

}  // namespace quillon::geometry

// The frame of the horizontal control at the last position a position kernel
// found (PointAtStationOffset, LocatePoint and its variants write it;
// IntersectLineWithParallel starts from it).
//
// Each Problem starts with a fresh, all-zero frame (AlignmentFrame{}): a zero
// normal makes the first parallel crossed the line x = 0.
#pragma once

#include "engine/geometry/Pair.hpp"

namespace quillon::geometry {

struct AlignmentFrame {
    // Tangent angle at the last position: deflection from the back tangent,
    // radians, signed like the curve's deflection angle.
    double phi = 0.0;
    // Unit normal cexp(-i*phi) = (cos phi, -sin phi), pointing to the right of
    // the direction of increasing station.
    Pair normal{0.0, 0.0};
    // The tangent line at the last position, foot form (feet). On the back
    // tangent (0, 0); on the ahead tangent the ahead tangent's foot pair.
    Pair tangent{0.0, 0.0};
};

}  // namespace quillon::geometry

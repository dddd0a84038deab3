// The point of a parallel of the horizontal control at a given straight
// (chord) distance from a point: how a bent line placed by a chord length
// from another bent line finds its place.
//
// Units: feet; stations internal (feet from the TS); offsets right positive.
#pragma once

#include "engine/geometry/AlignmentFrame.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"

namespace quillon::geometry {

// Largest miss (feet) of the chord length that counts as a match.
inline constexpr double kChordMatch = 2e-8;
// Station corrections tried before the chord counts as not found.
inline constexpr int kMostChordRounds = 40;

// The HC-frame point of the parallel at offset q whose straight distance
// from point Q is |c|: ahead of Q in station for c > 0, behind it for c < 0.
// With dq the offset q less Q's own offset: when |dq| is at least
// max(0.999 |c|, |c| - 2e-8) the chord cannot reach along the parallel and
// the point of the parallel at Q's station is taken. Otherwise the first
// station step is sqrt(c^2 - dq^2) (with the sign of c); on a tangent that is
// the answer, on the curve system the station is corrected by the difference
// of the same square root for the wanted and the reached chord, at most 40
// rounds, until the chord matches within 2e-8. Fails (status set, (0, 0))
// when it does not match by then, or when a position kernel fails. Leaves
// the frame at the point found.
Pair PointAtChordDistance(const HorizontalAlignment& h, AlignmentFrame& frame, double q, double c,
                          Pair from, KernelStatus& status);

}  // namespace quillon::geometry

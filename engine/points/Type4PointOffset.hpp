// The offset of a point of a girder line whose offset varies with the
// superelevation (line type 4): the line keeps a distance d along the
// sloped deck from the line of constant offset and a shift Y normal to the
// deck, so at a cross slope e = tan(theta) its plan offset from the
// horizontal control is
//     t = base + d cos(theta) - Y sin(theta),
// and its elevation lies Y / cos(theta) above finished grade. Where the
// line meets another line the slope depends on the crossing's station,
// which depends on t: offset and crossing are repeated until the station
// stops moving.
//
// Units: feet, radians; stations internal (feet from the TS); station-offset
// pairs (offset, station) as in engine/geometry.
#pragma once

#include "engine/alignment/CrossSlopeTable.hpp"
#include "engine/geometry/AlignmentFrame.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"

namespace quillon::engine {

// The crossing has settled when the station moves by at most this (feet)
// and, before the sixth pass, the offset moved by at most the second.
inline constexpr double kType4StationSettles = 0.00001;
inline constexpr double kType4OffsetSettles = 0.00000002;
inline constexpr int kType4OffsetOnlyPasses = 6;
// Passes after which a crossing that still moves counts as not converging.
inline constexpr int kMostType4Passes = 100;

// The line the point belongs to.
struct Type4Line {
    int lineType = 0;            // 0-4; only type 4 is iterated
    double nominalOffset = 0.0;  // d: the distance along the deck (the line's terminal offset
                                 // as its title left it), feet
    double normalShift = 0.0;    // Y, feet
    double baseOffset = 0.0;     // offset of the line of constant offset from the control, feet
};

// What the point computations share with the solve.
struct Type4Point {
    geometry::Pair point;         // the current point, HC frame; left where the solve ends
    double offset = 0.0;          // the point's printed offset: the final t
    double elevationShift = 0.0;  // the line's elevation shift: Y / cos(theta)
};

enum class Type4Outcome {
    Located,       // a line below type 4, or status set on entry: located only
    Settled,       // offset and elevation shift written
    Failed,        // a crossing failed (status set); offset and shift unchanged
    NotConverged,  // still moving after kMostType4Passes (status set); unchanged
};

struct Type4Solution {
    Type4Outcome outcome = Type4Outcome::Located;
    int passes = 0;
};

// Locates `point.point` (result := its (q, s)); for a type 4 line (status
// clear) repeats: theta = atan(right cross slope at s), t as above, then
//  - with fixedStation: the point is placed at (t, station of `guide`),
//    `guide` becomes that pair, and the solve settles after this one pass;
//  - otherwise: the point is the crossing of the line `guide` (foot form)
//    with the parallel at offset t, located again (warm start);
// until |s - s0| <= 0.00001 and (pass >= 6 or |t - q0| <= 2e-8). Settled:
// point.offset := t, point.elevationShift := Y / cos(theta). A failed
// crossing ends at once with status set; after 100 passes without settling
// the status is set as for a failed crossing. result := the last located
// (q, s); offsetPair := (q, 0).
Type4Solution SolveType4PointOffset(const geometry::HorizontalAlignment& h,
                                    geometry::AlignmentFrame& frame,
                                    const CrossSlopeBreakTable& crossSlopes, const Type4Line& line,
                                    Type4Point& point, geometry::Pair& result,
                                    geometry::Pair& guide, geometry::Pair& offsetPair,
                                    geometry::KernelStatus& status, bool fixedStation);

}  // namespace quillon::engine

// Turning a station and offset into a position of the HC frame and back.
//
// Station-offset pair: (offset, station), offset first; the station is
// internal (feet from the TS along the horizontal control), the offset feet,
// positive to the right of the direction of increasing station.
//
// Every call leaves the AlignmentFrame at the position found (the mode of
// LocatePoint says how much of it). Lengths feet, angles radians. A point
// within the radius of the control is located to 1e-8 ft on tangents, arc
// and spirals; within a micro-foot of a spiral's tangent end, where the
// tangent angle is below 1e-16 rad, to a few 1e-7 ft.
#pragma once

#include "engine/geometry/AlignmentFrame.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"

namespace quillon::geometry {

// The HC-frame point at station-offset pair (q, s); sets the whole frame.
// Stations before the TS lie on the back tangent, stations past the ST on
// the ahead tangent. Fails only on a non-finite pair.
Pair PointAtStationOffset(const HorizontalAlignment& h, AlignmentFrame& frame, Pair qs,
                          KernelStatus& status);

enum class LocateMode {
    Fresh,        // the spiral iteration starts from the point's own first guess
    Warm,         // it starts from the frame's last tangent angle when that lies on the spiral
    StationOnly,  // fresh start; on the curve sets only the frame's angle
};

// The station-offset pair of HC-frame point Z. The region is found from the
// bisector and the radial lines at the SC and the CS; on a spiral the tangent
// angle of the nearest spiral point is found by iteration (converged when
// two angles agree to 1e-18 rad or 1e-12 relative). The iteration takes at
// most 100 passes and stops on a non-finite value; either failure sets the
// status, as does a non-finite Z. Points beyond a centre of curvature, which
// no spiral point faces, may fail this way.
Pair LocatePoint(const HorizontalAlignment& h, AlignmentFrame& frame, Pair z, KernelStatus& status,
                 LocateMode mode = LocateMode::Fresh);

// LocatePoint starting the spiral iteration from the frame's last angle.
inline Pair LocatePointFromLast(const HorizontalAlignment& h, AlignmentFrame& frame, Pair z,
                                KernelStatus& status) {
    return LocatePoint(h, frame, z, status, LocateMode::Warm);
}

// LocatePoint for the station-offset pair only: sets the frame's angle, and
// the normal and tangent line only on the tangents.
inline Pair StationOffsetOfPoint(const HorizontalAlignment& h, AlignmentFrame& frame, Pair z,
                                 KernelStatus& status) {
    return LocatePoint(h, frame, z, status, LocateMode::StationOnly);
}

}  // namespace quillon::geometry

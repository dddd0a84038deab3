// A girder line's initial offset turned into an offset from the horizontal
// control: the point it names on the reference line, and that point's
// offset. The segmented girder lines' base line and the type 4 line of
// constant offset both are placed so.
//
// Units: feet; u is the unit direction along the reference line toward
// positive offsets (its orientation sign turned a quarter), P its crossing
// with the layout line.
#pragma once

#include "engine/geometry/AlignmentFrame.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"
#include "engine/linesets/LineSetState.hpp"

namespace quillon::engine {

// By the offset type of `distance`:
//   4 "Norm. from HCL": the distance itself;
//   3 "Bent from HCL": the reference line's point on the control + distance u;
//   2 "Norm. from LOL": the reference line's crossing with the parallel of
//     the layout line at layout X = distance;
//   1 "Bent from LOL" and any other code: P + distance u.
// For types other than 4 the offset of that point is measured; a kernel
// failure sets `status` (the result is then 0).
double ControlOffsetOfGirderLine(const geometry::HorizontalAlignment& h,
                                 geometry::AlignmentFrame& frame, const LineSetState& lineSet,
                                 double distance, int offsetType, geometry::KernelStatus& status);

}  // namespace quillon::engine

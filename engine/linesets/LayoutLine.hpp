// The layout line of a line set: the straight line whose axes carry the
// layout coordinates X (across) and Y (along, growing with station), with
// its origin where the reference line crosses it. It is the back tangent,
// the ahead tangent or a chord (between two chord bent lines, between a
// flared chord girder line's ends on its offset bent lines, or a parallel of
// the control at a chord girder line's offset). The LAYOUT LINE DATA section
// says how it lies against the control; the flared offset bent lines are
// located and listed after it.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Distances (feet) within which two chord bent lines at stations count as
// one, and below which a chord's offset counts as none.
inline constexpr double kSameChordDistance = 4e-5;
inline constexpr double kNoChordOffset = 2e-6;
// A layout line parallel to a tangent within this offset (feet) is that
// tangent; one within this offset of the control at its tangent point
// touches it.
inline constexpr double kOnTangentOffset = 0.0002;
inline constexpr double kTouchesControl = 8e-5;
// A chord's foot pair component (feet) at most this far from parallel is
// parallel to a tangent.
inline constexpr double kParallelToTangent = 2e-8;

// Runs once per line set after its cards were read without a fatal fault.
// A line set that reuses the previous reference line keeps its layout line,
// reference line and slot 1 and only locates its flared offset bent lines.
// Sets run.state.fatalFlag on a construction that fails (with its box), and
// lineSet.sameReferenceAllowed once the layout line is computed.
void ProcessLayoutLine(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet);

}  // namespace quillon::engine

// The points step of a line set, as the Problem loop calls it: the
// BentLineIntersectionTable and the points and table of every girder line.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Runs once per line set that can be computed. Works on the alignment and
// the line set as the line-set steps left them; writes the tables; sets the
// fatal and run error flags when a girder line does not cross the reference
// line, and the run error flag when fractional points are cut short.
void ComputeLineSetPoints(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet);

}  // namespace quillon::engine

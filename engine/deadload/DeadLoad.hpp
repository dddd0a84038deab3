// The dead-load deflection curves of a line set's 07 cards: one smooth curve
// per dead-load set (an initial card and its continuation cards), listed in
// the DEAD LOAD DEFLECTION DATA section and kept in the set's initial record
// for the points (ELEV+DL), and the check that every bent line and girder
// line asking for dead load has a set.
//
// Units: deflections feet, downward positive; the listing shows inches and
// feet (QlEngl) or millimetres and metres (QlMetr); slopes are feet of
// deflection per whole span.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Fits and lists the dead-load sets of the line set's DeadLoadTable, leaving
// each record's codes and each set's DeadLoadCurve in it; lowers the
// dead-load code of a bent line that no set serves to 0. Sets
// run.state.fatalFlag for codes that are not unique and for a set serving a
// bent line that has no valid fit.
void ProcessDeadLoad(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet);

// n < 0: the opening heading on a page with room for 6 - n lines; n > 0: the
// continuation heading on a new page when no more than n lines are left
// (nothing when they fit); n = 0: the tenth-point scale line alone.
void WriteDeadLoadHeading(EngineRun& run, int n);

}  // namespace quillon::engine

// The dead-load deflection curves of a line set's 07 cards.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Fits and lists the dead-load sets of the line set's DeadLoadTable; sets
// run.state.fatalFlag when the dead load cannot be used. (Not computed yet:
// it leaves the line set as it is.)
void ProcessDeadLoad(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet);

}  // namespace quillon::engine

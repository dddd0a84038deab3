// The roadway-approach step of a Problem, as the Problem loop calls it.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// The 08 card that is the current card, on the Problem's alignment: the
// ROADWAY APPROACHES table, or the card's fatal box (RunErrorFlag set) when a
// field is not a number. Reads nothing further from the deck.
void ProcessRoadApproaches(EngineRun& run, const AlignmentState& alignment);

}  // namespace quillon::engine

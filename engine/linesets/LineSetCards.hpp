// The cards of one line set: the 04 reference line card (unless the line set
// reuses the previous reference line), the 05 girder lines, the 06 bent lines
// and the 07 dead-load cards, read into the line set's tables and checked,
// with a message in the listing for every fault; the reference line is
// placed.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Called with the line set's 04 card current (its first 05 card when the
// reference line is reused: lineSet.sameReferenceAllowed); returns with the
// first card after the line set current, or at the end of the deck: at once
// when the deck ends after the 04 or a 05 card (the run then ends), after the
// checks when it ends after the 06 or 07 cards. Leaves run.state.fatalFlag set
// when the line set cannot be computed; the girder-line faults that cut the
// line set set run.state.runErrorFlag.
StepEnd ReadLineSetCards(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet);

}  // namespace quillon::engine

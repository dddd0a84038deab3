// The steps the run loop calls for each Problem and line set. Each lives with
// the part of the engine that owns its cards.
#pragma once

#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

struct ProblemState;

// Reads and lists the 00 description cards after the first and the 01-03
// alignment cards; clears fatalFlag at its start, sets it when the Problem
// cannot go on; returns with the next card read.
void ProcessAlignmentCards(EngineRun& run, ProblemState& problem);

// Reads the 04-07 cards of one line set; returns with the first card after
// them read; sets fatalFlag when the line set cannot be computed.
void ProcessLineSet(EngineRun& run, ProblemState& problem);

// The points of a line set and their tables.
void ComputeLineSetPoints(EngineRun& run, ProblemState& problem);

// The 08 card that is the current card.
void ProcessRoadApproaches(EngineRun& run, ProblemState& problem);

}  // namespace quillon::engine

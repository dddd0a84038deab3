// The alignment step of a Problem, as the Problem loop calls it.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Reads and lists the 00 description cards after the first and the 01-03
// alignment cards into a fresh `alignment`; clears fatalFlag at its start,
// sets it when the Problem cannot go on; returns with the next card read (the
// first 04 card), or at once when the deck ends before it.
StepEnd ProcessAlignmentCards(EngineRun& run, AlignmentState& alignment);

}  // namespace quillon::engine

// The line-set step of a Problem, as the Problem loop calls it.
#pragma once

#include "engine/run/CardStream.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Reads the 04-07 cards of one line set; returns with the first card after
// them read, or at the end of the deck; sets fatalFlag when the line set
// cannot be computed.
StepEnd ProcessLineSet(EngineRun& run);

}  // namespace quillon::engine

// The line-set step of a Problem, as the Problem loop calls it.
#pragma once

#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Reads the 04-07 cards of one line set; returns with the first card after
// them read; sets fatalFlag when the line set cannot be computed.
void ProcessLineSet(EngineRun& run);

}  // namespace quillon::engine

// The roadway-approach step of a Problem, as the Problem loop calls it.
#pragma once

#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// The 08 card that is the current card.
void ProcessRoadApproaches(EngineRun& run);

}  // namespace quillon::engine

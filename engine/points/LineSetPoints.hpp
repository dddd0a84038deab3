// The points step of a line set, as the Problem loop calls it.
#pragma once

#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// The points of a line set and their tables.
void ComputeLineSetPoints(EngineRun& run);

}  // namespace quillon::engine

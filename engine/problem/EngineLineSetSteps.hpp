// The engine's own steps of a line set after its layout line, which the
// Problem loop hands to the line-set loop: the segmented girder lines, the
// type 4 girder lines (engine/linesets) and the dead load (engine/deadload).
#pragma once

#include "engine/linesets/LineSetLoop.hpp"

namespace quillon::engine {

LineSetSteps EngineLineSetSteps();

}  // namespace quillon::engine

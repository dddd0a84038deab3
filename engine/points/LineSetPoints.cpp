// The points of a line set and their tables (not computed yet).
#include "engine/points/LineSetPoints.hpp"

namespace quillon::engine {

void ComputeLineSetPoints(EngineRun&) {}

}  // namespace quillon::engine

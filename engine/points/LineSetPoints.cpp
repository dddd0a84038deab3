// The points of a line set and their tables (not computed yet).
#include "engine/run/EngineSteps.hpp"

namespace quillon::engine {

void ComputeLineSetPoints(EngineRun&, ProblemState&) {}

}  // namespace quillon::engine

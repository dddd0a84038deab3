// The segmented girder lines, the placing and order of the bent lines (not
// computed yet).
#include "engine/linesets/LineSetLoop.hpp"

namespace quillon::engine {

void ProcessSegmentedGirderLines(EngineRun&, AlignmentState&, LineSetState&) {}

}  // namespace quillon::engine

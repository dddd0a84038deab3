// The girder lines whose offset varies with the superelevation (not
// computed yet).
#include "engine/linesets/LineSetLoop.hpp"

namespace quillon::engine {

void ProcessType4GirderLines(EngineRun&, AlignmentState&, LineSetState&) {}

}  // namespace quillon::engine

#include "engine/deadload/DeadLoad.hpp"

namespace quillon::engine {

void ProcessDeadLoad(EngineRun&, AlignmentState&, LineSetState&) {}

}  // namespace quillon::engine

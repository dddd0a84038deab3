#include "engine/problem/EngineLineSetSteps.hpp"

#include "engine/deadload/DeadLoad.hpp"

namespace quillon::engine {

LineSetSteps EngineLineSetSteps() {
    return {ProcessSegmentedGirderLines, ProcessType4GirderLines, ProcessDeadLoad};
}

}  // namespace quillon::engine

// The roadway approaches of the 08 card (not computed yet). The approaches
// are listed without a section number.
#include "engine/run/EngineSteps.hpp"

namespace quillon::engine {

void ProcessRoadApproaches(EngineRun& run, ProblemState&) {
    run.state.headings.SectionNumber() = std::string(10, ' ');
}

}  // namespace quillon::engine

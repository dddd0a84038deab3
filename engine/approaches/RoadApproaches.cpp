// The roadway approaches of the 08 card (not computed yet). The approaches
// are listed without a section number.
#include "engine/approaches/RoadApproaches.hpp"

namespace quillon::engine {

void ProcessRoadApproaches(EngineRun& run) {
    run.state.headings.SectionNumber() = std::string(10, ' ');
}

}  // namespace quillon::engine

#include "engine/points/LineSetPoints.hpp"

#include "engine/points/PointsSteps.hpp"
#include "engine/points/PointsWork.hpp"

namespace quillon::engine {

void ComputeLineSetPoints(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet) {
    PointsWork work(run, alignment, lineSet);
    WriteBentLineIntersectionTable(work);
    ComputeGirderLinePoints(work);
    run.listing.WritePageHeading(-1, 0);
}

}  // namespace quillon::engine

// The segmented girder lines of a line set, with what they need first: the
// girder lines in order, the bent lines placed and sorted by station.
#include "engine/linesets/BentLinePlacement.hpp"
#include "engine/linesets/GirderLineOrder.hpp"
#include "engine/linesets/LineSetLoop.hpp"
#include "engine/linesets/SegmentChords.hpp"

namespace quillon::engine {

void ProcessSegmentedGirderLines(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet) {
    const GirderLineScan scan = OrderGirderLines(run, alignment, lineSet);
    const BentLinePlacement placement =
        PlaceBentLines(run, alignment, lineSet, scan.suppressedListed);
    bool segmented = false;
    for (int i = 1; i <= lineSet.girders.count; ++i)
        segmented = segmented || lineSet.girders.Line(i).lineType == kSegmentedLine;
    if (segmented) BuildSegmentChords(run, alignment, lineSet, scan.largestSegmentedOffset);
    ReportBentLines(run, lineSet, placement);
}

}  // namespace quillon::engine

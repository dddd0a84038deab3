// The girder lines of a line set as the segmented girder lines first take
// them: the exterior-girder designations (05 column 52) and the requests for
// X-type fractional points (column 53), the order in which every exterior
// girder comes before the lines that take points from it, and the girder
// lines whose listing is suppressed (column 57).
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

struct GirderLineScan {
    double largestSegmentedOffset = 0.0;  // M: the largest |InitialOffset| of a segmented line
    bool suppressedListed = false;        // the SUPPRESS LISTING OPTION section was written
};

// Fills lineSet.girderOrder (each girder line in use exactly once) and the
// lines' xPointRequest (the line whose X-type points a line takes, 0 none);
// clears the columns its messages say are ignored; writes the X-type boxes
// and warning and the suppressed girder lines.
GirderLineScan OrderGirderLines(EngineRun& run, const AlignmentState& alignment,
                                LineSetState& lineSet);

// "SUPPRESS LISTING OPTION": two empty records and the title from column 2.
void WriteSuppressTitle(EngineRun& run);
// "THE FOLLOWING " `kind` " LINES WILL NOT BE" / "WRITTEN TO DECK ELEVATION
// PLOT FILE" / "(WHEN ELEVATION SHEETS ARE REQUESTED)" from column 29, and
// an empty record; `kind` is "GIRDER" or " BENT ".
void WriteSuppressHeading(EngineRun& run, const char* kind);
// A suppressed line's name from column 41.
void WriteSuppressedName(EngineRun& run, const std::string& name);

}  // namespace quillon::engine

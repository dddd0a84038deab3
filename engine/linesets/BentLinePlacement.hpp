// The bent lines of a line set placed and put in station order for the
// segmented girder lines and the points: each 06 card's line located (those
// hanging on a secondary reference letter placed from it), the suppressed
// bent lines listed, the order sorted by station and a bent line that
// coincides with the reference line merged into it; and, once the segmented
// girder lines are built, the bent lines that could not be placed and the
// secondary reference letters that nothing used.
#pragma once

#include <vector>

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Two bent lines whose stations differ by at most this (feet) and whose
// foot pairs lie within the second (square feet) are one line.
inline constexpr double kSameBentStation = 2e-5;
inline constexpr double kSameBentFoot = 1e-18;

// What placing leaves for the report of unplaced bent lines.
struct BentLinePlacement {
    std::vector<bool> failed;  // by slot: did not cross the control or the layout line
    int merged = 0;            // the bent line merged into the reference line (0 none)
    bool Failed(int slot) const { return failed[static_cast<size_t>(slot)]; }
};

// Sorts the bent-line order by station (the tagged Shell sort, so bent
// lines at one station keep the order it gives).
void SortBentLineOrder(std::vector<BentOrderEntry>& order);

// Slot 1 at the reference line's crossing with the layout line, then every
// bent line of distance type other than 6 and 7 in deck order; the
// suppressed bent lines after the girder lines' SUPPRESS LISTING OPTION
// section (`suppressedListed`) or under a title of their own; TangentsUsed
// cleaned; the order sorted and merged.
BentLinePlacement PlaceBentLines(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                                 bool suppressedListed);

// The bent lines still hanging on a secondary reference letter (a fatal
// box), the letters defined and never used, and the last bent line of the
// order left without fractional points beyond it.
void ReportBentLines(EngineRun& run, LineSetState& lineSet, const BentLinePlacement& placement);

}  // namespace quillon::engine

// Bent lines placed from a secondary reference line: a bent line that
// defines a letter (06 column 45) lends its line to every bent line of
// distance type 6 that hangs on the letter (column 46), placed parallel to
// it at its BentDistance; those may define letters of their own, so the
// letters form chains, resolved level by level from the defining bent line.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Below this squared length (square feet) a placed line passes through the
// origin and keeps its direction as 1e-15 times its unit normal.
inline constexpr double kThroughOrigin = 1e-30;

// The line parallel to a located line (foot form, signed inverse length
// sigma) at the signed normal distance `distance` toward sigma * foot.
geometry::Pair ParallelAtDistance(geometry::Pair foot, double sigma, double distance);

// Bent line `slot` on the line `foot` (foot form): its point on the layout
// line, its crossing with the control (from the frame as the caller left
// it) with the skew used and station, and its orientation sign. False, and
// the slot unchanged, when a crossing fails.
bool PutBentLineOn(const geometry::HorizontalAlignment& h, geometry::AlignmentFrame& frame,
                   LineSetState& lineSet, int slot, geometry::Pair foot);

// Places the bent lines that hang, directly or through others, on the
// letter of bent line `defining` (already placed), scanning slots 2 to
// `lastSlot` level by level: each gets its line, its point on the layout
// line, its crossing with the control (skew used and station) and its
// orientation sign, column-46 code 0, and an entry at the end of the
// bent-line order; `appended` counts the entries. A placement that fails
// gives column-46 code 63 and no entry. A letter already defined by another
// bent line is refused with the "(LBNT)" box and the bent line loses it.
// The letters' owners are kept in lineSet.letterOwners. True when every
// placed bent line keeps the segmented girder lines unbroken (true when none
// was placed).
bool CheckSecondaryReferences(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                              int defining, int& appended, int lastSlot);

}  // namespace quillon::engine

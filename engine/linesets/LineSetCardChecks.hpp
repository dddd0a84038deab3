// The checks of the line-set cards once they are read, in the order the
// reader runs them: the girder lines, the reference line, the bent lines,
// the chord of the layout line and the flared offset bent lines. Each writes
// its messages; those that return false have left the line set fatal.
#pragma once

#include <vector>

#include "engine/alignment/AlignmentCardReader.hpp"
#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Offsets, distances and skews this small (feet, radians) count as zero or
// as equal.
inline constexpr double kZeroLength = 0.00004;
inline constexpr double kSameSkew = 1e-8;

// The read failure of each stored 05 card (by line) and 06 card (by slot,
// slot 1 included).
struct LineSetReadFailures {
    FieldFailure reference;
    std::vector<FieldFailure> girders;
    std::vector<FieldFailure> bents;
};

// A flared chord girder line whose two offsets define a chord of their own:
// |initial| + |terminal| above 0.00004 and the offset types or the offsets
// differ (the latter by more than 0.00004).
bool FlaredChordOffsetsDiffer(const LineSetState& lineSet);

// Girder lines: the line of constant offset, the segmented lines' offset
// type, the base line, the chord girder line, the terminal offsets and the
// ranges; cuts the girder count on fatal faults (never below what a later
// fault leaves).
void CheckGirderLines(EngineRun& run, const AlignmentState& alignment, LineSetState& lineSet,
                      const std::vector<FieldFailure>& failures);

// The reference line of a line set that does not reuse the previous one:
// its codes on a straight control and their ranges, its point and station,
// its direction, skew used and orientation sign.
bool PlaceReferenceLine(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                        const FieldFailure& failure);

// The bent lines of slots 2 on: skew types, the bent line that is the
// reference line itself, ranges, chord ends (column 41), flared offset bent
// lines (column 40), combinations, flags and codes, the default skew.
bool CheckBentLines(EngineRun& run, const AlignmentState& alignment, LineSetState& lineSet,
                    const std::vector<FieldFailure>& failures);

// A chord layout line needs its chord: two chord ends, a chord girder line
// that defines it, or one chord end with the reference line.
bool CheckChordDefinition(EngineRun& run, const AlignmentState& alignment,
                          const LineSetState& lineSet);

// Flared girder lines need a bent line with column 40 punched; with one
// only, the reference line is the terminal bent. True when the line set can
// go on.
bool CheckFlaredOffsetBents(EngineRun& run, LineSetState& lineSet);

}  // namespace quillon::engine

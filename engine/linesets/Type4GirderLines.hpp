// The girder lines whose offset varies with the superelevation (line type
// 4), and what the points need of the bent lines first: the spans between
// bent lines with fractional points and the check of the bent-line
// descriptions. The TYPE 4 GIRDER LINE DATA section names the line of
// constant offset (the type 4 offsets are measured from it along the deck)
// and the average cross slope over the line set.
#pragma once

#include <vector>

#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// The average cross slope comes from Simpson's rule to this relative
// tolerance, or from the slope at the middle when its stations lie within
// the second (feet) of each other.
inline constexpr double kAverageSlopeTolerance = 1e-6;
inline constexpr double kShortestAverageSpan = 0.01;
// An average this small (in size) has the unit pair (1, 0).
inline constexpr double kFlatAverage = 1e-20;

// Fills lineSet.spans from the fractional-point kinds of the bent-line
// order (type 4 processing on: lineSet.constantOffsetLine >= 0). Returns,
// by position (index 1 on), the last position before the latest one with
// fractional points (0 when none lies at positions 2 to that position).
std::vector<int> BuildFractionalSpans(LineSetState& lineSet);

// True when bent lines with the column-43 codes `a` and `b` may both
// apply to one girder line: equal codes, or a blank one, or "0" with a
// character that is neither blank nor a letter.
bool SelectionsMeet(int a, int b);

}  // namespace quillon::engine

// The chords of the segmented girder lines: the base line (a parallel of
// the horizontal control, at the base girder line's offset or on the
// control), broken at the bent lines that ask for it (06 column 39), each
// chord between two breaks moved by its girder pattern shift, the skew
// check of each chord, and the SEGMENTED GIRDER LINE DATA section.
//
// On a curve of radius R a chord of length L has the middle ordinate
// d = R (1 - cos(L / 2R)) from the base line; the girder pattern shift -d/2
// (toward the outside of the curve) halves the girders' worst distance from
// the curve. Bent lines skewed a at a chord's ends make the ratio
// tan(a) * 2500 d M / L^2 (M the largest offset of a segmented line): above
// 0.6 the use of segmented lines is marginal, above 3.3 not appropriate.
#pragma once

#include "engine/alignment/AlignmentState.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// Skews (radians) at or below this in size count as square; middle
// ordinates (feet) below the second as none.
inline constexpr double kSquareSkew = 5e-6;
inline constexpr double kNoMiddleOrdinate = 2e-8;
// The skew ratio above which segmented lines are marginal, and not
// appropriate.
inline constexpr double kMarginalSkewRatio = 0.6;
inline constexpr double kSevereSkewRatio = 3.3;

enum class SkewVerdict { Suitable, Marginal, Severe };

// Builds lineSet.segments from the placed and sorted bent-line order: the
// base chord offset (the base girder line's offset becomes that offset, of
// type 4), the break pass, repeated while it places bent lines of distance
// type 7 from the first break, then the section (curved control) or the
// one chord of a straight control. No chord at all is a fatal box. Returns
// the skew verdict (Suitable on a straight control).
SkewVerdict BuildSegmentChords(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                               double largestSegmentedOffset);

}  // namespace quillon::engine

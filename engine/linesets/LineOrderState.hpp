// What the segmented girder lines, the secondary reference lines and the
// type 4 girder lines leave in a line set for its points: the order of the
// girder lines, the owners of the secondary reference letters, the chords
// of the segmented girder lines, the spans between bent lines with
// fractional points, and the type 4 offset values.
//
// Units: lengths feet, slopes fractions; lines in the foot form of
// engine/geometry. Girder lines and bent-line slots count from 1; positions
// in the bent-line order count from 1 as well.
#pragma once

#include <array>
#include <vector>

#include "engine/geometry/Pair.hpp"

namespace quillon::engine {

// Secondary reference letters are CharacterCode values 0-60 (0 = none).
inline constexpr int kLetterCodes = 61;
// Column-46 code of a bent line whose placement from its letter failed.
inline constexpr int kLetterPlacementFailed = 63;

inline bool IsLetterCode(int code) { return code > 0 && code < kLetterCodes; }

// For each letter code the slot of the bent line that defines it (0 none),
// made negative once bent lines hanging on it were placed.
using LetterOwners = std::array<int, kLetterCodes>;

// One chord of the segmented girder lines: ended by bent line `endSlot`,
// along the line `foot` (moved by its girder pattern shift), whose unit
// normal sigma * foot points toward positive offsets of the control.
struct SegmentChord {
    int endSlot = 0;
    geometry::Pair foot{0.0, 0.0};
    double sigma = 0.0;  // signed inverse length of the foot pair
    double shift = 0.0;  // girder pattern shift, feet (negative toward negative offsets)
};

struct SegmentTable {
    int startSlot = 0;             // the first break: where the first chord starts
    double baseChordOffset = 0.0;  // the base line's offset from the control
    std::vector<SegmentChord> chords;
};

// For each position of the bent-line order, the position of the next bent
// line with fractional points; and the first and last positions that bound
// the fractional points (first 1, last the bent count when nothing sets
// them).
struct FractionalSpans {
    std::vector<int> next;
    int first = 1;
    int last = 0;
};

// The type 4 offset rule of a line set.
struct Type4Values {
    double baseOffset = 0.0;         // the line of constant offset from the control
    double averageCrossSlope = 0.0;  // right of the profile control line
    geometry::Pair unit{0.0, 0.0};   // (cos, sin) of atan(average); (0, 0) without type 4 lines
    double pivotOffset = 0.0;        // the pivot point's offset from the control
    double firstRowFactor = 1.0;     // sqrt(1 + s1^2), s1 the first row's right slope
    double firstRowSlope = 0.0;      // s1
};

}  // namespace quillon::engine

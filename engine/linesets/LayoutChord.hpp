// The chord of a chord layout line, in foot form: the line through the two
// chord bent lines' points at the chord girder line's offset (or on the
// control), the line through a flared chord girder line's ends on its offset
// bent lines, or, on a straight control, the parallel at the chord girder
// line's offset. The names of the bent lines it is built on are listed.
#pragma once

#include "engine/geometry/Pair.hpp"
#include "engine/linesets/LayoutLineWork.hpp"

namespace quillon::engine {

// The chord into `chord`; false when it cannot be built (a bent line or
// reference line that waits for the layout line itself, a failed
// construction): the layout line is then recursively defined. A chord girder
// line's initial offset along the reference line becomes its offset from the
// control.
bool BuildChord(LayoutLineWork& layout, Pair& chord);

// Locates both flared offset bent lines, the initial one before the terminal
// one in station (forChord: with the chord's restrictions); false when one
// cannot be located.
bool LocateFlaredPair(LayoutLineWork& layout, bool forChord);

}  // namespace quillon::engine

// The tagged Shell sort of the engine.
//
// The order of equal keys shows in the listing (bent lines at one station,
// approach offsets), so the sort is always this one: gaps n + n/2 halved
// before each pass (integer division) until 0; in a pass each key moves down
// its chain of gap-spaced keys only while it is strictly smaller than the one
// before it. Ten keys are sorted with the gaps 7, 3, 1; one key makes no pass.
#pragma once

#include <span>

namespace quillon::geometry {

// Sorts the first n keys ascending, moving each tag with its key. n is cut to
// the shorter of the two spans; n below 2 leaves them as they are. A NaN key
// never moves past another key.
void SortWithTags(int n, std::span<double> keys, std::span<int> tags);

}  // namespace quillon::geometry

#include "engine/geometry/TaggedSort.hpp"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace quillon::geometry {

void SortWithTags(int n, std::span<double> keys, std::span<int> tags) {
    std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    count = std::min({count, keys.size(), tags.size()});
    // Keys in order already move nothing below (a pair is swapped only where
    // the later key is smaller): the usual case of a girder line's stations.
    if (std::is_sorted(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(count))) return;
    std::size_t gap = count + count / 2;
    for (gap /= 2; gap > 0; gap /= 2) {
        for (std::size_t i = gap; i < count; ++i) {
            for (std::size_t j = i; j >= gap && keys[j] < keys[j - gap]; j -= gap) {
                std::swap(keys[j], keys[j - gap]);
                std::swap(tags[j], tags[j - gap]);
            }
        }
    }
}

}  // namespace quillon::geometry

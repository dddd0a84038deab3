#include "engine/points/PointListing.hpp"

#include <algorithm>

#include "engine/geometry/TaggedSort.hpp"

namespace quillon::engine {

namespace {

void ListRows(PointsWork& w, std::vector<int> order, bool paged) {
    if (w.lineSet.reference.decreasing) std::reverse(order.begin(), order.end());
    ListingWriter& out = w.run.listing;
    const int n = static_cast<int>(order.size());
    LongitudinalRowPager pager(n, out.PageLength());
    for (int u = 1; u <= n; ++u) {
        if (pager.BreakBefore(u) && paged) WriteContinuationTitle(out, w.tables);
        const PointRecord& record =
            w.points.records[static_cast<size_t>(order[static_cast<size_t>(u - 1)])];
        out.Write(LongitudinalRow(record).view());
    }
    w.points.Clear();
}

}  // namespace

std::vector<int> SortedByStation(const LinePoints& points, int first, int last) {
    std::vector<double> keys(points.stations.begin() + first, points.stations.begin() + last);
    std::vector<int> tags;
    for (int n = first; n < last; ++n) tags.push_back(n);
    geometry::SortWithTags(static_cast<int>(tags.size()), keys, tags);
    return tags;
}

void ListSortedLinePoints(PointsWork& w, bool paged) {
    ListRows(w, SortedByStation(w.points, 0, w.points.Count()), paged);
}

void WriteLongitudinalRows(PointsWork& w, const std::vector<int>& order) {
    ListRows(w, order, true);
}

}  // namespace quillon::engine

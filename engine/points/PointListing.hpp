// Listing the current line's stored points, one row each, and starting the
// line's points afresh.
#pragma once

#include <vector>

#include "engine/points/PointsWork.hpp"

namespace quillon::engine {

// ListSortedLinePoints: the points in station order (the tagged sort, so
// equal stations keep the order they were stored in), in decreasing station
// when the line set lists so. A girder line (`paged`) continues on a new
// page under its continuation title where its rows do not fit; the groups of
// the bent-line table are not paged.
void ListSortedLinePoints(PointsWork& w, bool paged);

// WriteLongitudinalRows: the points in the order `order` gives (point
// numbers from 0), paged as a girder line.
void WriteLongitudinalRows(PointsWork& w, const std::vector<int>& order);

// The point numbers first .. last - 1 sorted by their stations.
std::vector<int> SortedByStation(const LinePoints& points, int first, int last);

}  // namespace quillon::engine

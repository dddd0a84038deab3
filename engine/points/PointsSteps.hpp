// The two halves of a line set's points: the BentLineIntersectionTable and
// the girder lines with their LongitudinalLineTables.
#pragma once

#include "engine/points/PointsWork.hpp"

namespace quillon::engine {

// The heading, one horizontal-control row per bent position (each bent
// line's own point stored on the way), and the layout-line, back-tangent
// and ahead-tangent groups of the table.
void WriteBentLineIntersectionTable(PointsWork& w);

// The points of every girder line of the line set, in the girder-line
// order, each listed in its own table.
void ComputeGirderLinePoints(PointsWork& w);

// The values a type 4 line's title is made from, as the type 4 step left
// them.
Type4TitleValues Type4TitleValuesOf(const LineSetState& lineSet);

// The fractional-point text of a bent line's row (10 characters): the
// count in parentheses, the spacing (negative: measured back from the next
// bent line) or "  ( * )   " for a bent line that no girder line crosses.
std::string FractionalPointsText(const RunState& state, const BentLine& bent);

}  // namespace quillon::engine

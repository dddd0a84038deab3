#include "engine/points/Type4PointOffset.hpp"

#include <cmath>

#include "engine/alignment/PointElevation.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"

namespace quillon::engine {

using geometry::Pair;

Type4Solution SolveType4PointOffset(const geometry::HorizontalAlignment& h,
                                    geometry::AlignmentFrame& frame,
                                    const CrossSlopeBreakTable& crossSlopes, const Type4Line& line,
                                    Type4Point& point, Pair& result, Pair& guide, Pair& offsetPair,
                                    geometry::KernelStatus& status, bool fixedStation) {
    Type4Solution solution;
    Pair qs = geometry::LocatePoint(h, frame, point.point, status);
    if (!status.failed && line.lineType >= 4) {
        for (;;) {
            ++solution.passes;
            const Pair before = qs;
            const double theta =
                std::atan(CrossSlopeAt(crossSlopes, qs.imag(), CrossSlopeSide::Right));
            const double c = std::cos(theta);
            const double t =
                line.baseOffset + line.nominalOffset * c - line.normalShift * std::sin(theta);
            bool settled = false;
            if (fixedStation) {
                qs = Pair(t, guide.imag());
                guide = qs;
                point.point = geometry::PointAtStationOffset(h, frame, qs, status);
                settled = true;
            } else {
                point.point =
                    geometry::IntersectLineWithParallel(h, frame, guide, Pair(t, 0.0), status);
                if (status.failed) {
                    solution.outcome = Type4Outcome::Failed;
                    break;
                }
                qs = geometry::LocatePointFromLast(h, frame, point.point, status);
                settled = std::abs(qs.imag() - before.imag()) <= kType4StationSettles &&
                          (solution.passes >= kType4OffsetOnlyPasses ||
                           std::abs(t - before.real()) <= kType4OffsetSettles);
            }
            if (settled && !status.failed) {
                point.offset = t;
                point.elevationShift = line.normalShift / c;
                solution.outcome = Type4Outcome::Settled;
                break;
            }
            if (status.failed) {
                solution.outcome = Type4Outcome::Failed;
                break;
            }
            if (solution.passes >= kMostType4Passes) {
                status.failed = true;
                solution.outcome = Type4Outcome::NotConverged;
                break;
            }
        }
    }
    result = qs;
    offsetPair = Pair(qs.real(), 0.0);
    return solution;
}

}  // namespace quillon::engine

#include "engine/linesets/BentLineLocation.hpp"

#include <cmath>

#include "engine/geometry/Lines.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"

namespace quillon::engine {

using angles::kHalfPi;

double SkewOfDirection(const geometry::HorizontalAlignment& h, Pair direction, double phi) {
    // A direction turned by a whole number of half turns is the same line.
    return angles::WithinQuarterTurn(angles::WithinHalfTurn(
        h.f * kHalfPi + std::atan2(direction.real(), direction.imag()) - phi));
}

double OrientationSigma(const geometry::HorizontalAlignment& h, Pair foot, double phi,
                        double skewUsed) {
    const double sign = foot.imag() * (kHalfPi - (phi + skewUsed) * h.f) < 0.0 ? -1.0 : 1.0;
    return sign / std::abs(foot);
}

void LocateBentLine(const geometry::HorizontalAlignment& h, geometry::AlignmentFrame& frame,
                    LineSetState& lineSet, int slot, geometry::KernelStatus& status,
                    double& station, Pair& point) {
    if (status.failed) return;
    BentLine& bent = lineSet.bents.Slot(slot);
    const ReferenceLine& reference = lineSet.reference;

    Pair base;
    switch (bent.distanceType) {
        case kOnLayoutLine:
            base = PointOfLayoutCoordinates(lineSet.layout, Pair(0.0, bent.distance));
            break;
        case kOnBackTangent:
            base = geometry::IntersectLines(reference.foot, Pair(0.0, 0.0), status) +
                   Pair(0.0, bent.distance);
            lineSet.tangentsUsed |= kBackTangentMark;
            break;
        case kOnAheadTangent:
            base = geometry::IntersectLines(reference.foot, h.aheadFoot, status) +
                   bent.distance * AheadTangentDirection(h);
            lineSet.tangentsUsed |= kAheadTangentMark;
            break;
        case kNormalToReference:
            base = reference.foot + bent.distance * reference.sigma * reference.foot;
            break;
        default:
            station = reference.station + bent.distance;
            base = geometry::PointAtStationOffset(h, frame, Pair(0.0, station), status);
            break;
    }
    if (status.failed) return;

    if (bent.skewType == kDefaultSkew && bent.distanceType < kNormalToReference &&
        lineSet.defaultSkewOption == 1) {
        bent.skewType = kSkewFromControl;
        bent.skew = reference.skewUsed;
    }
    Pair direction;
    switch (bent.skewType) {
        case kDefaultSkew:
            direction = DirectionOfLine(reference.foot);
            break;
        case kSkewFromControl:
            if (bent.distanceType != kOnControl)
                geometry::StationOffsetOfPoint(h, frame, base, status);
            direction = TurnedBySkew(geometry::UnitAt(-frame.phi), bent.skew);
            break;
        case kSkewFromLayoutLine:
            direction = TurnedBySkew(-std::conj(lineSet.layout.dir), bent.skew);
            break;
        case kSkewFromBackTangent:
            direction = TurnedBySkew(Pair(1.0, 0.0), bent.skew);
            lineSet.tangentsUsed |= kBackTangentMark;
            break;
        case kSkewFromAheadTangent:
            direction = TurnedBySkew(h.aheadNormal, bent.skew);
            lineSet.tangentsUsed |= kAheadTangentMark;
            break;
        default:
            status.failed = true;
            return;
    }
    bent.skewUsed = bent.skew;
    const Pair foot = geometry::LineThroughPointAndDirection(base, direction, status);

    if (bent.distanceType != kOnControl) geometry::LocatePoint(h, frame, base, status);
    double skewUsed = bent.skewUsed;
    const Pair crossing =
        geometry::IntersectLineWithParallelSkew(h, frame, foot, Pair(0.0, 0.0), skewUsed, status);
    if (bent.distanceType != kOnControl)
        station = geometry::StationOffsetOfPoint(h, frame, crossing, status).imag();
    if (!(std::abs(station) < kFarthestCrossing)) status.failed = true;
    if (status.failed) return;

    bent.foot = foot;
    bent.skewUsed = skewUsed;
    bent.crossing = crossing;
    bent.station = station;
    bent.sigma = OrientationSigma(h, foot, frame.phi, skewUsed);
    point = crossing;
}

}  // namespace quillon::engine

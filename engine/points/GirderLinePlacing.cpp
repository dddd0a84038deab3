// The placing of a girder line: where it lies by its type and offset type,
// where it crosses the reference line and each bent line, and the error
// boxes of a line that cannot be placed.
#include <cmath>

#include "engine/geometry/Lines.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/GirderLineOffset.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/points/GirderWalk.hpp"
#include "engine/points/PointListing.hpp"
#include "engine/points/PointStore.hpp"
#include "engine/points/PointsSteps.hpp"

namespace quillon::engine::girder_walk {

using geometry::Dot2;
using geometry::KernelStatus;

Crossing GirderWalk::CrossParallel(Pair foot, double stationHint) {
    Crossing c = NewCrossing();
    KernelStatus status;
    geometry::PointAtStationOffset(w_.H(), w_.Frame(), Pair(0.0, stationHint), status);
    c.point = geometry::IntersectLineWithParallelSkew(w_.H(), w_.Frame(), foot,
                                                      Pair(walk_.lineOffset, 0.0), c.skew, status);
    c.qs = geometry::LocatePoint(w_.H(), w_.Frame(), c.point, status);
    c.normal = w_.Frame().normal;
    c.ok = !status.failed && Reachable(c.point);
    if (c.ok) c.qs = Pair(walk_.lineOffset, c.qs.imag());  // the line's own offset
    return c;
}

Crossing GirderWalk::CrossStraight(Pair foot) {
    Crossing c = NewCrossing();
    KernelStatus status;
    c.point = geometry::IntersectLines(foot, walk_.foot, status);
    c.qs = geometry::LocatePoint(w_.H(), w_.Frame(), c.point, status);
    c.normal = w_.Frame().normal;
    c.ok = !status.failed && Reachable(c.point);
    return c;
}

// The type 4 offset rule at the crossing: the offset and the crossing
// repeated until the station settles. The crossing keeps the elevation shift
// of its own cross slope: the walk solves the next bent line's crossing
// before it stores this one.
bool GirderWalk::SolveType4(Crossing& c, Pair guide, bool fixedStation) {
    Type4Point point;
    point.point = c.point;
    point.elevationShift = c.elevationShift;
    Pair result, offsetPair;
    KernelStatus status;
    const Type4Solution solution =
        SolveType4PointOffset(w_.H(), w_.Frame(), w_.alignment.crossSlope, walk_.type4, point,
                              result, guide, offsetPair, status, fixedStation);
    if (solution.outcome == Type4Outcome::NotConverged) WriteNotConverged();
    if (status.failed) return false;
    c.point = point.point;
    c.qs = Pair(point.offset, result.imag());
    c.normal = w_.Frame().normal;
    c.elevationShift = point.elevationShift;
    return true;
}

// The crossing at `position`, computed once when the span before it was
// walked. Straight lines place theirs from the frame a walk left, and type 4
// lines change the girder's elevation shift, so they cross again.
Crossing GirderWalk::CrossBentOnce(int position) {
    if (kind_ == Kind::Parallel && kept_.position == position) {
        w_.Frame() = kept_.frame;
        return kept_.crossing;
    }
    return CrossBent(position);
}

Crossing GirderWalk::CrossBent(int position) {
    const BentLine& bent = w_.BentAt(position);
    if (!Parallel()) return CrossStraight(bent.foot);
    Crossing c = CrossParallel(bent.foot, w_.StationAt(position));
    if (c.ok && kind_ == Kind::Type4) c.ok = SolveType4(c, bent.foot, false);
    return c;
}

double GirderWalk::GirderLengthTo(const Crossing& c) const {
    if (Parallel())
        return geometry::ParallelLength(w_.H(), walk_.startStation, walk_.lineOffset, c.qs.imag());
    const Pair from = kind_ == Kind::Segmented ? segmentStart_ : walk_.startPoint;
    return lengthBase_ + Dot2(c.point - from, walk_.direction);
}

int GirderWalk::NextApplying(int position) const {
    const std::vector<int>& next = w_.lineSet.spans.next;
    auto step = [&next](int k) {
        if (static_cast<size_t>(k) < next.size() && next[static_cast<size_t>(k)] > k)
            return next[static_cast<size_t>(k)];
        return next.empty() ? k + 1 : 0;
    };
    const int last = w_.Positions();
    for (int j = step(position); j > 0 && j <= last; j = step(j))
        if (Applies(w_.BentAt(j).selectionCode, girder_.xTypeRequestCode)) return j;
    return last;
}

void GirderWalk::WriteReferenceBox() {
    ListingWriter& out = w_.run.listing;
    for (int n = 0; n < 8; ++n) out.WriteEmpty();
    out.Write(ErrorBoxLine());
    out.Write(ErrorBoxLine({{58, "FATAL ERROR"}}));
    out.Write(ErrorBoxLine({{39, "REFERENCE LINE DOES NOT INTERSECT THIS GIRDER LINE"}}));
    out.Write(ErrorBoxLine());
    w_.run.state.fatalFlag = true;
    w_.run.state.runErrorFlag = true;
}

void GirderWalk::WriteNotConverged() {
    if (walk_.notConverged) return;
    walk_.notConverged = true;
    WriteLineSetBox(
        w_.run,
        {{GirderLineName(girder_)}, {"TYPE 4 OFFSET DOES NOT CONVERGE"}, {"POINTS OMITTED"}});
}

// The point for an offset of type 1-4 on bent slot `onSlot` (the reference
// line or a flared bent), and for type 2 the foot of the line parallel to
// the layout line at that offset.
bool GirderWalk::PlaceStraight(int offsetType, double distance, int onSlot, Pair& point,
                               Pair& foot) {
    if (onSlot < 1 || onSlot > w_.lineSet.bents.Count()) return false;
    const LayoutLine& layout = w_.lineSet.layout;
    const BentLine& bent = w_.lineSet.bents.Slot(onSlot);
    const Pair along = Pair(0.0, -1.0) * bent.sigma * bent.foot;  // toward positive offsets
    KernelStatus status;
    foot = Pair(0.0, 0.0);
    switch (offsetType) {
        case kNormalFromLayoutLine:
            foot = layout.foot + distance / layout.dir;
            point = geometry::IntersectLines(foot, bent.foot, status);
            break;
        case kBentFromControl:
            point = bent.crossing + distance * along;
            break;
        case kNormalFromControl:
            geometry::PointAtStationOffset(w_.H(), w_.Frame(), Pair(0.0, bent.station), status);
            point = geometry::IntersectLineWithParallel(w_.H(), w_.Frame(), bent.foot,
                                                        Pair(distance, 0.0), status);
            break;
        default:
            point = bent.layoutPoint + distance * along;
            break;
    }
    return !status.failed;
}

bool GirderWalk::Place() {
    const int type = girder_.lineType;
    int k = girder_.initialOffsetType;
    const LayoutLine& layout = w_.lineSet.layout;
    const Pair layoutAlong = Pair(0.0, 1.0) / layout.dir;  // the layout line's Y axis, HC frame
    if (type == kSegmentedLine || (type == kParallelToControl && k == kNormalFromBase)) {
        kind_ = Kind::Segmented;
        return true;
    }
    if (type == kOffsetVariesWithSuper) {
        kind_ = Kind::Type4;
        walk_.lineOffset = girder_.initialOffset;
        return true;
    }
    if (type == kParallelToControl) {
        kind_ = Kind::Parallel;
        KernelStatus status;
        walk_.lineOffset = ControlOffsetOfGirderLine(w_.H(), w_.Frame(), w_.lineSet,
                                                     girder_.initialOffset, k, status);
        return !status.failed;
    }
    kind_ = Kind::Straight;
    Pair point, foot;
    if (type == kParallelToLayout) {
        if (!PlaceStraight(k, girder_.initialOffset, 1, point, foot)) return false;
        walk_.direction = layoutAlong;
    } else {  // flared: through its points on the two flare bents
        Pair second, unused;
        if (!PlaceStraight(k, girder_.initialOffset, w_.lineSet.flaredInitialBent, point, unused) ||
            !PlaceStraight(girder_.terminalOffsetType, girder_.terminalOffset,
                           w_.lineSet.flaredTerminalBent, second, unused))
            return false;
        const double length = std::abs(second - point);
        if (!(length > 0.0)) return false;
        walk_.direction = (second - point) / length;
        foot = Pair(0.0, 0.0);
    }
    // Station increasing along the direction.
    KernelStatus status;
    const Pair a = geometry::LocatePoint(w_.H(), w_.Frame(), point, status);
    const Pair b = geometry::LocatePoint(w_.H(), w_.Frame(), point + walk_.direction, status);
    if (status.failed) return false;
    if (b.imag() < a.imag()) walk_.direction = -walk_.direction;
    walk_.foot = (type == kParallelToLayout && k == kNormalFromLayoutLine)
                     ? foot
                     : geometry::LineThroughPointAndDirection(point, walk_.direction, status);
    return !status.failed;
}

bool GirderWalk::StartFromReference() {
    const ReferenceLine& reference = w_.lineSet.reference;
    Crossing c;
    if (Parallel()) {
        c = CrossParallel(reference.foot, reference.station);
        if (c.ok && kind_ == Kind::Type4) c.ok = SolveType4(c, reference.foot, false);
    } else {
        c = CrossStraight(reference.foot);
    }
    if (!c.ok) return false;
    walk_.startStation = c.qs.imag();
    walk_.startPoint = c.point;
    return true;
}

}  // namespace quillon::engine::girder_walk

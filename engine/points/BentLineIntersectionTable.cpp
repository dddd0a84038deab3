// The BentLineIntersectionTable: where the bent lines cross the horizontal
// control, and their points on the layout line and the two tangents.
#include <cmath>

#include "engine/alignment/PointElevation.hpp"
#include "engine/geometry/Lines.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/points/PointListing.hpp"
#include "engine/points/PointStore.hpp"
#include "engine/points/PointsSteps.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kGroupPageLines = 3;      // pages are this much shorter for the further groups
constexpr double kCountRound = 0.0004;  // a count is the integer part of v + 0.0004
constexpr double kLargestCount = 9999.0;

bool LayoutGroupsListed(const PointsWork& w) {
    return !(w.H().horizontalTangent && w.lineSet.reference.layoutLineIs == kBackTangentLayout);
}

double ReferenceStation(const PointsWork& w) {
    for (const BentOrderEntry& entry : w.lineSet.bentLineOrder)
        if (entry.slot == 1) return entry.station;
    return w.lineSet.reference.station;
}

// The unit direction of the ahead tangent, station increasing.
Pair AheadDirection(const PointsWork& w) { return Pair(0.0, 1.0) * w.H().aheadNormal; }

// A bent line's own point (its point on the layout line) as point kind 1.
void StoreBentOnLayout(PointsWork& w, int position) {
    const BentLine& bent = w.BentAt(position);
    geometry::KernelStatus status;
    const Pair qs = geometry::LocatePoint(w.H(), w.Frame(), bent.layoutPoint, status);
    StoredPoint p;
    p.kind = PointKind::BentOnLayout;
    p.position = position;
    p.qs = qs;
    p.z = bent.layoutPoint;
    p.direction = bent.foot * w.lineSet.layout.dir;
    StoreLinePoint(w, p);
}

void WriteControlRows(PointsWork& w) {
    const RunState& state = w.run.state;
    const int n = w.Positions();
    const bool layoutGroups = LayoutGroupsListed(w);
    const double referenceStation = ReferenceStation(w);
    ListingWriter& out = w.run.listing;
    for (int k = 1; k <= n; ++k) {
        const int position = w.lineSet.reference.decreasing ? n + 1 - k : k;
        const BentLine& bent = w.BentAt(position);
        const double s = w.StationAt(position);
        const Pair qs(0.0, s);
        const PointElevationResult e =
            PointElevation(state, w.alignment.profile, w.alignment.crossSlope, w.H().profOffset,
                           w.Limits(), qs, 0.0);
        geometry::KernelStatus status;
        const Pair z = geometry::PointAtStationOffset(w.H(), w.Frame(), qs, status);
        const Pair layout = z * w.lineSet.layout.dir + w.lineSet.layout.a;
        if (layoutGroups) StoreBentOnLayout(w, position);
        BentLineRowValues row;
        row.description = bent.description;
        row.station = MakeStationText(state, w.alignment.Stationing(), s);
        row.elevation = e.elevationText;
        row.fractionalPoints = FractionalPointsText(state, bent);
        const Pair printed = w.Printed(z);
        row.x = printed.real();
        row.y = printed.imag();
        const double distance = std::abs(z - bent.layoutPoint);
        row.bentLength = (std::signbit(layout.real()) ? -distance : distance) +
                         w.baseLength[static_cast<size_t>(w.SlotAt(position))];
        row.skew = MakeAngleText(bent.skewUsed);
        row.girderLength = s - referenceStation;
        row.crossSlope = e.crossSlopeText;
        if (ControlGroupBreaksBefore(k, out.PageLength())) WriteContinuationTitle(out, w.tables);
        out.Write(BentLineRow(state, row));
    }
}

// Every bent line's crossing with a tangent (foot form `tangent`) as point
// kind 2, its girder length from the reference line's crossing `from`
// along `along`.
void StoreTangentCrossings(PointsWork& w, Pair tangent, Pair from, Pair along) {
    for (int k = 1; k <= w.Positions(); ++k) {
        const BentLine& bent = w.BentAt(k);
        geometry::KernelStatus status;
        const Pair c = geometry::IntersectLines(bent.foot, tangent, status);
        if (status.failed) continue;
        const Pair qs = geometry::LocatePoint(w.H(), w.Frame(), c, status);
        if (status.failed) continue;
        StoredPoint p;
        p.kind = PointKind::BentOnTangent;
        p.position = k;
        p.qs = qs;
        p.z = c;
        p.direction = bent.foot * w.lineSet.layout.dir;
        p.girderLength = geometry::Dot2(c - from, along);
        StoreLinePoint(w, p);
    }
}

// The ST's girder length: minus the ahead tangent's ST term and the
// reference crossing's component along the ahead tangent.
double StGirderLength(const PointsWork& w, Pair referenceCrossing) {
    return -(w.H().stOffset.imag() + geometry::Dot2(referenceCrossing, AheadDirection(w)));
}

void WriteFurtherGroups(PointsWork& w) {
    ListingWriter& out = w.run.listing;
    const ReferenceLine& reference = w.lineSet.reference;
    const Pair aheadFoot = w.H().aheadFoot;
    WriteBentLineGroupTitle(out, w.tables, -1);
    geometry::KernelStatus back;
    const Pair backCrossing = geometry::IntersectLines(reference.foot, Pair(0.0, 0.0), back);
    if (!back.failed && !w.H().horizontalTangent && reference.layoutLineIs == kBackTangentLayout) {
        StoreCurveEnd(w, true, -backCrossing.imag());
        ListSortedLinePoints(w, false);
    } else {
        geometry::KernelStatus ahead;
        ahead.failed = reference.layoutLineIs < kAheadTangentLayout;
        const Pair aheadCrossing = geometry::IntersectLines(reference.foot, aheadFoot, ahead);
        if (!ahead.failed) StoreCurveEnd(w, false, StGirderLength(w, aheadCrossing));
        ListSortedLinePoints(w, false);
        if (!back.failed && (w.lineSet.tangentsUsed & kBackTangentMark) != 0) {
            StoreTangentCrossings(w, Pair(0.0, 0.0), backCrossing, Pair(0.0, 1.0));
            WriteBentLineGroupTitle(out, w.tables, 0);
            StoreCurveEnd(w, true, -backCrossing.imag());
            ListSortedLinePoints(w, false);
        }
    }
    if ((w.lineSet.tangentsUsed & kAheadTangentMark) != 0) {
        geometry::KernelStatus ahead;
        const Pair aheadCrossing = geometry::IntersectLines(reference.foot, aheadFoot, ahead);
        if (!ahead.failed) {
            StoreTangentCrossings(w, aheadFoot, aheadCrossing, AheadDirection(w));
            WriteBentLineGroupTitle(out, w.tables, 1);
            StoreCurveEnd(w, false, StGirderLength(w, aheadCrossing));
            ListSortedLinePoints(w, false);
        }
    }
}

}  // namespace

std::string FractionalPointsText(const RunState& state, const BentLine& bent) {
    const int code = bent.selectionCode;
    if (code == kStarSelection) return "  ( * )   ";
    std::string text = code >= 0 ? "  (   )   " : std::string(10, ' ');
    const double v = bent.fractionalPoints;
    switch (bent.fractionalPointKind) {
        case kSingleFractionalPoint:
            ReplaceCharacterAt(text, 4, ' ', '1');
            return text;
        case kEqualParts: {
            const double whole = std::floor(v + kCountRound);
            text = (whole <= kLargestCount ? ff::FormatI(static_cast<long long>(whole), 4)
                                           : std::string(4, '*')) +
                   std::string(6, ' ');
            break;
        }
        case kSpacingFromBent:
        case kSpacingFromNextBent: {
            const double sign = bent.fractionalPointKind == kSpacingFromBent ? 1.0 : -1.0;
            const double spacing =
                state.variant == EngineVariant::Metric
                    ? ConvertLength(state.units.fromUnit, state.units.toUnit, kSurveyFoot, sign * v)
                    : sign * v;
            text = ff::FormatF(spacing, 9, 4) + " ";
            break;
        }
        default:
            return text;
    }
    if (code >= 0) {
        ReplaceCharacterAt(text, 10, ' ', ')');
        ReplaceCharacterAt(text, 1, ' ', '(');
    }
    return text;
}

void WriteBentLineIntersectionTable(PointsWork& w) {
    WriteBentLineTableHeading(w.run.listing, w.tables, w.Positions() + 1);
    WriteControlRows(w);
    ListingWriter::ShorterPages shorter(w.run.listing, kGroupPageLines);
    if (LayoutGroupsListed(w))
        WriteFurtherGroups(w);
    else
        w.points.Clear();
}

}  // namespace quillon::engine

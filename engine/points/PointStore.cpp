#include "engine/points/PointStore.hpp"

#include <algorithm>
#include <cmath>

#include "engine/alignment/PointElevation.hpp"
#include "engine/deadload/DeadLoadCurve.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/run/StationText.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;
using P = PointRecord;

namespace {

double Converted(const RunState& state, double feet) {
    return state.variant == EngineVariant::Metric
               ? ConvertLength(state.units.fromUnit, state.units.toUnit, kSurveyFoot, feet)
               : feet;
}

// F12.4 8X of a length in the two slots from `first` on.
void SetLength(const RunState& state, PointRecord& r, int first, double feet) {
    r.SetF(first, 2, Converted(state, feet), 12, 4);
}

double Signed(double length, bool negative) { return negative ? -length : length; }

// The skew of a bent line against a line: the angle of the direction
// argument (x, y), atan2(x sgn y, |y|) with sgn 0 = +1.
double SkewOf(Pair d) {
    const double sign = d.imag() < 0.0 ? -1.0 : 1.0;
    return std::atan2(d.real() * sign, std::fabs(d.imag()));
}

// The bent length of a crossing: its distance from the slot's base point,
// negative on the negative side of the layout line's X, plus the slot's
// base length.
double BentLength(PointsWork& w, int slot, Pair z) {
    const BentLine& bent = w.lineSet.bents.Slot(slot);
    const Pair layout = z * w.lineSet.layout.dir + w.lineSet.layout.a;
    return Signed(std::abs(z - bent.layoutPoint), std::signbit(layout.real())) +
           w.baseLength[static_cast<size_t>(slot)];
}

const DeadLoadRecord* FindFit(const LineSetState& lineSet, int girderCode, int bentCode) {
    for (const DeadLoadRecord& r : lineSet.deadLoad.records)
        if (r.fitted && r.girderCode == girderCode && r.bentCode == bentCode) return &r;
    return nullptr;
}

double CurveSum(const std::array<double, kCurveTerms>& c) {
    double sum = 0.0;
    for (double v : c) sum += v;
    return sum;
}

// The dead-load deflection of a point of kind 3-8 (feet); false for none.
bool DeadLoadDeflection(PointsWork& w, const StoredPoint& p, double& d) {
    DeadLoadSpan& span = w.walk.deadLoad;
    const int kind = static_cast<int>(p.kind);
    const int m = std::max(kind - 4, 0) * (2 * span.open - 1);
    if (m < 0) return false;
    if (m > 0) {
        if (span.curve == nullptr) return false;
        const double t = (w.current.girderLength - span.startLength) / w.walk.spanLength;
        if (!(t >= 0.0 && t <= 1.0)) return false;  // NaN too: a span of length 0
        d = EvaluateCurve(*span.curve, t);
        return true;
    }
    const BentLine& bent = w.BentAt(p.position);
    if (bent.deadLoadCode < 1) {
        const int m2 = (2 * std::abs(span.open - p.position) - 1) * span.open;
        if (m2 == 0) return false;
        if (m2 > 0) {
            StoredPoint inside = p;
            inside.kind = PointKind::FractionalOnParallel;
            return DeadLoadDeflection(w, inside, d);
        }
        span.open = 0;
        d = span.endValue;
        return true;
    }
    const DeadLoadRecord* fit = FindFit(w.lineSet, w.Girder().deadLoadCode, bent.deadLoadCode);
    if (fit == nullptr) {
        if (span.open == 0) return false;
        span.open = 0;
        d = span.endValue;
        return true;
    }
    d = fit->curve[0];
    if (span.open != 0) d = (span.endValue + fit->curve[0]) * 0.5;
    span.open = 0;
    if (p.position != w.Positions()) {
        span.endValue = CurveSum(fit->curve);
        span.open = w.walk.chained;
        span.startLength = w.current.girderLength;
        span.curve = &fit->curve;
    }
    return true;
}

// Characters 3-10 of F10.4 between two blanks: the column keeps three
// whole digits, so 1234.5678 prints 234.5678.
std::string ElevationWithDeadLoadText(const RunState& state, double elevation) {
    const std::string text = ff::FormatF(Converted(state, elevation), 10, 4);
    return " " + text.substr(2, 8) + " ";
}

// Slots 4-5, 8-11, 16-17 and 19 from the current point, then the record.
void WritePointRecord(PointsWork& w, double station) {
    const RunState& state = w.run.state;
    PointRecord& r = w.record;
    r.SetF(P::kOffset, 2, Converted(state, w.current.offset), 11, 4);
    SetLength(state, r, P::kX, w.current.x);
    SetLength(state, r, P::kY, w.current.y);
    SetLength(state, r, P::kGirderLength, w.current.girderLength);
    ff::WriteA(r.SlotText(P::kFlag), w.current.flag ? "T" : "F");  // L10
    w.points.records.push_back(r);
    w.points.stations.push_back(station);
}

void SetStationAndElevation(PointsWork& w, Pair qs, double shift) {
    const RunState& state = w.run.state;
    WriteStationText(state, w.alignment.Stationing(), qs.imag(),
                     w.record.SlotPairText(P::kStation));
    w.current.elevation = WritePointElevation(
        state, w.alignment.profile, w.alignment.crossSlope, w.H().profOffset, w.Limits(), qs, shift,
        w.record.SlotText(P::kElevation), w.record.SlotText(P::kCrossSlope));
}

void SetCurrentXY(PointsWork& w, Pair z) {
    const Pair printed = w.Printed(z);
    w.current.x = printed.real();
    w.current.y = printed.imag();
}

}  // namespace

void CutFractionalPointsShort(PointsWork& w) {
    if (w.walk.cutShort) return;
    w.walk.cutShort = true;
    w.run.state.runErrorFlag = true;
    WriteLineSetBox(w.run, {{"FATAL ERROR"}, {"FRACTIONAL POINTS CUT SHORT ON THIS GIRDER LINE"}});
}

bool StoreLinePoint(PointsWork& w, const StoredPoint& p) {
    if (w.points.Count() >= kMostLinePoints) {
        w.walk.full = true;
        CutFractionalPointsShort(w);
        return false;
    }
    const RunState& state = w.run.state;
    PointRecord& r = w.record;
    const int kind = static_cast<int>(p.kind);
    const bool onBent = kind <= 4;
    const int slot = onBent ? w.SlotAt(p.position) : 0;
    if (onBent)
        r.Set(P::kName, w.lineSet.bents.Slot(slot).description);
    else
        WritePointLabel(r.SlotText(P::kName), p.letter, p.count);

    // Skew and bent length.
    double g = p.girderLength;
    // |a| signed by the side of b it lies on (X points and straight lines).
    auto signedA = [&p] { return Signed(std::abs(p.a), geometry::Dot2(p.a, p.b) < 0.0); };
    if (kind <= 4) {
        const double skew = p.kind == PointKind::BentOnParallel ? p.skew : SkewOf(p.direction);
        const TextPair text = MakeAngleText(skew);
        r.Set(P::kSkew, text.first);
        r.Set(P::kSkew + 1, text.second);
        double bentLength = 0.0;
        if (p.kind == PointKind::BentOnLayout) {
            const ReferenceLine& ref = w.lineSet.reference;
            bentLength = ref.transX * ref.axisSign.real() / std::cos(skew);
            w.baseLength[static_cast<size_t>(slot)] = bentLength;
        } else {
            bentLength = BentLength(w, slot, p.z);
        }
        SetLength(state, r, P::kBentLength, bentLength);
    } else {
        r.Blank(P::kSkew, 2);
        if (p.kind == PointKind::XPoint || p.kind == PointKind::XPointOnStraight)
            SetLength(state, r, P::kBentLength, signedA());
        else
            r.Blank(P::kBentLength, 2);
    }
    switch (p.kind) {
        case PointKind::BentOnLayout:
            g = (p.z * w.lineSet.layout.dir + w.lineSet.layout.a).imag();
            break;
        case PointKind::BentOnStraight:
        case PointKind::FractionalOnStraight:
            g = signedA();
            break;
        default:
            break;
    }
    w.current.offset = p.qs.real();

    const double shift = kind <= 2 ? 0.0 : p.elevationShift;
    SetStationAndElevation(w, p.qs, shift);
    SetCurrentXY(w, p.z);
    w.current.girderLength = g;
    if (kind >= 3) {
        r.Blank(P::kElevPlusDl);
        double d = 0.0;
        if (DeadLoadDeflection(w, p, d))
            r.Set(P::kElevPlusDl, ElevationWithDeadLoadText(state, w.current.elevation + d));
    }
    WritePointRecord(w, p.qs.imag());
    return true;
}

void StoreCurveEnd(PointsWork& w, bool atTs, double girderLength) {
    const double station = atTs ? 0.0 : w.H().length;
    const Pair qs(0.0, station);
    geometry::KernelStatus status;
    const Pair z =
        atTs ? Pair(0.0, 0.0) : geometry::PointAtStationOffset(w.H(), w.Frame(), qs, status);
    w.record.Set(P::kName, atTs ? "*TS OR PC*" : "*ST OR PT*");
    w.record.Blank(P::kBentLength, 2);
    w.record.Blank(P::kSkew, 2);
    w.current.offset = 0.0;
    SetStationAndElevation(w, qs, 0.0);
    SetCurrentXY(w, z);
    w.current.girderLength = girderLength;
    WritePointRecord(w, station);
}

void OpenDeadLoadSpan(PointsWork& w, int position, double g) {
    DeadLoadSpan& span = w.walk.deadLoad;
    if (position == span.open) span.open = 0;
    const BentLine& bent = w.BentAt(position);
    if (bent.deadLoadCode <= 0) return;
    const DeadLoadRecord* fit = FindFit(w.lineSet, w.Girder().deadLoadCode, bent.deadLoadCode);
    if (fit == nullptr) {
        span.open = 0;
        return;
    }
    span.open = w.walk.chained;
    span.endValue = CurveSum(fit->curve);
    span.startLength = g;
    span.curve = &fit->curve;
}

}  // namespace quillon::engine

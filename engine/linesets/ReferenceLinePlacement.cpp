// Placing the reference line of a line set from its 04 card.
#include <algorithm>
#include <cmath>

#include "engine/geometry/Lines.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/LineSetCardChecks.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/run/StationText.hpp"

namespace quillon::engine {

namespace {

constexpr int kReferenceLineCard = 4;

// The internal distance of a deck station given on a tangent's extension
// into the curve system: the station less the TS station and the shift of
// every equation that its printed form (MakeStationTextAllEquations) adds.
double DistanceOnTangentExtension(const Stationing& stationing, double station) {
    double distance = station - stationing.originStation;
    const size_t used = stationing.usedCount > 0 ? static_cast<size_t>(stationing.usedCount) : 0;
    for (size_t i = 0; i < used && i < stationing.equations.size(); ++i)
        distance -= stationing.equations[i].shift;
    return distance;
}

constexpr const char* kReferenceCode = "(B21)";

void WriteReferenceRecursion(EngineRun& run) {
    WriteLineSetBox(run, {{"FATAL ERROR -- LAYOUT LINE IS RECURSIVELY DEFINED"}}, 0,
                    kReferenceCode);
}

void WriteReferenceIllConditioned(EngineRun& run) {
    WriteLineSetBox(run,
                    {{"FATAL ERROR -- INTERSECTION OF REFERENCE LINE"},
                     {"WITH HORIZONTAL CONTROL OR WITH LAYOUT LINE"},
                     {"OR WITH TANGENT LINE IS ILL-CONDITIONED"}},
                    0, kReferenceCode);
}

// Steps a-c: the codes on a straight control and their ranges.
bool SettleReferenceCodes(EngineRun& run, const AlignmentState& alignment, LineSetState& lineSet) {
    ReferenceLine& reference = lineSet.reference;
    if (alignment.horizontal.horizontalTangent) {
        // A station on a tangent is a station on the control; "same reference
        // line" stays, to be refused below: there is none to reuse here.
        if (reference.staOn != kSameReferenceLine) reference.staOn = kStationOnControl;
        if (reference.skewRespTo != kSkewFromLayoutLine)
            reference.skewRespTo = kSkewFromBackTangent;
        if (!FlaredChordOffsetsDiffer(lineSet)) {
            reference.skewRespTo = kSkewFromBackTangent;
            const bool chordStays =
                lineSet.chordGirderLine > 0 &&
                std::abs(lineSet.girders.Line(lineSet.chordGirderLine).initialOffset) > kZeroLength;
            if (!chordStays) {
                reference.layoutLineIs = kBackTangentLayout;
                lineSet.chordGirderLine = 0;
            }
        }
    }
    const bool inRange =
        reference.layoutLineIs >= kBackTangentLayout &&
        reference.layoutLineIs <= kAheadTangentLayout && lineSet.defaultSkewOption >= 0 &&
        lineSet.defaultSkewOption <= 2 && reference.skewRespTo >= kSkewFromControl &&
        reference.skewRespTo <= kSkewFromAheadTangent && reference.staOn >= kStationOnControl &&
        reference.staOn <= kStationOnAheadTangent;
    if (!inRange) {
        WritePlainFatal(run,
                        {"COL 14, 24, 25 OR 26 OUT OF RANGE (OR LAYOUT"
                         " LINE NOT FOUND ON PREVIOUS SECTION)"},
                        kReferenceLineCard);
        return false;
    }
    if (reference.skewRespTo == kSkewFromLayoutLine && reference.layoutLineIs != kChordLayout)
        reference.skewRespTo = std::min(reference.layoutLineIs + 2, int{kSkewFromAheadTangent});
    return true;
}

void AddMark(LineSetState& lineSet, int mark) {
    lineSet.tangentsUsed |= mark;
    lineSet.reference.tangentMarks |= mark;
}

}  // namespace

bool PlaceReferenceLine(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                        const FieldFailure& failure) {
    if (failure.failed) {
        WritePlainFatal(run, {FieldFailureText(failure)}, kReferenceLineCard);
        return false;
    }
    if (!SettleReferenceCodes(run, alignment, lineSet)) return false;
    ReferenceLine& reference = lineSet.reference;
    const geometry::HorizontalAlignment& h = alignment.horizontal;
    geometry::AlignmentFrame& frame = alignment.frame;
    geometry::KernelStatus status;

    // Step d: the reference point.
    bool onExtension = false;
    if (reference.staOn == kStationOnBackTangent || reference.staOn == kStationOnAheadTangent) {
        const double distance =
            DistanceOnTangentExtension(alignment.Stationing(), reference.cardStation);
        const bool back = reference.staOn == kStationOnBackTangent;
        AddMark(lineSet, back ? kBackTangentMark : kAheadTangentMark);
        if (back && distance > 0.0) {
            reference.point = Pair(0.0, distance);
            onExtension = true;
        } else if (!back && distance < h.length) {
            reference.point = (Pair(0.0, distance - h.length) - h.stOffset) / h.stFromHc;
            onExtension = true;
        }
        if (onExtension && reference.skewRespTo == kSkewFromControl) {
            WritePlainFatal(run, {"COL 14 CONFLICTS WITH COL 24"}, kReferenceLineCard);
            return false;
        }
        if (!onExtension) reference.staOn = kStationOnControl;
    }
    double phi = 0.0;
    if (reference.staOn == kStationOnControl) {
        reference.station = StationToDistance(run, alignment.Stationing(), reference.cardStation,
                                              kReferenceLineCard);
        reference.point =
            geometry::PointAtStationOffset(h, frame, Pair(0.0, reference.station), status);
        phi = frame.phi;
    }

    // Step e: its direction.
    Pair direction;
    switch (reference.skewRespTo) {
        case kSkewFromControl:
            direction = TurnedBySkew(geometry::UnitAt(-phi), reference.skew);
            reference.skewUsed = reference.skew;
            break;
        case kSkewFromLayoutLine:
            if (reference.staOn > kStationOnControl) {
                WriteReferenceRecursion(run);
                return false;
            }
            if (status.failed) {
                WriteReferenceIllConditioned(run);
                return false;
            }
            reference.fromLayoutLine = true;
            return true;
        case kSkewFromBackTangent:
            direction = TurnedBySkew(Pair(1.0, 0.0), reference.skew);
            AddMark(lineSet, kBackTangentMark);
            break;
        default:
            direction = TurnedBySkew(h.aheadNormal, reference.skew);
            AddMark(lineSet, kAheadTangentMark);
            break;
    }
    reference.foot = geometry::LineThroughPointAndDirection(reference.point, direction, status);
    if (onExtension) {
        geometry::LocatePoint(h, frame, reference.point, status);
        reference.point = geometry::IntersectLineWithParallelSkew(
            h, frame, reference.foot, Pair(0.0, 0.0), reference.skewUsed, status);
        reference.station =
            geometry::StationOffsetOfPoint(h, frame, reference.point, status).imag();
        phi = frame.phi;
        if (!(std::abs(reference.station) < kFarthestCrossing)) status.failed = true;
    } else if (reference.skewRespTo != kSkewFromControl) {
        reference.skewUsed = SkewOfDirection(h, direction, phi);
    }
    if (status.failed) {
        WriteReferenceIllConditioned(run);
        return false;
    }
    reference.sigma = OrientationSigma(h, reference.foot, phi, reference.skewUsed);
    return true;
}

}  // namespace quillon::engine

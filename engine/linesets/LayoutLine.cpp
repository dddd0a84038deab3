#include "engine/linesets/LayoutLine.hpp"

#include <cmath>

#include "engine/geometry/Lines.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/geometry/TangentPoint.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/LayoutChord.hpp"
#include "engine/linesets/LayoutLineListing.hpp"
#include "engine/linesets/LayoutLineWork.hpp"
#include "engine/linesets/LineSetMessages.hpp"

namespace quillon::engine {

using geometry::KernelStatus;

namespace {

constexpr const char* kLayoutCode = "(B22)";
constexpr double kNoChord = 1e-21;             // |N| below this: the back tangent
constexpr double kOnAheadTangentFoot = 1e-18;  // squared feet
constexpr double kLayoutProbe = 10.0;          // layout Y of the two points that orient Y

enum class Outcome { Listed, BackTangent, AheadTangent };

void WriteRecursion(EngineRun& run) {
    run.listing.WritePageHeading(0, 4);
    WriteBoxLines(run, {{"FATAL ERROR -- LAYOUT LINE IS RECURSIVELY DEFINED"}}, kLayoutCode,
                  CodePlace::ClosingLine);
}

void WriteIllConditioned(EngineRun& run) {
    run.listing.WritePageHeading(6, 6);
    WriteBoxLines(run,
                  {{"FATAL ERROR -- INTERSECTION OF REFERENCE LINE"},
                   {"WITH HORIZONTAL CONTROL OR WITH LAYOUT LINE"},
                   {"OR WITH TANGENT LINE IS ILL-CONDITIONED"}},
                  kLayoutCode, CodePlace::ClosingLine);
}

// Slot 1 as every line set sets it up; a line set with a reference line of
// its own also gives it the reference line's distance, skew and skew type.
void SetUpReferenceSlot(LineSetState& lineSet) {
    BentLine& slot = lineSet.bents.Slot(1);
    const ReferenceLine& reference = lineSet.reference;
    slot.fractionalPoints = 0.0;
    slot.fractionalPointKind = kNoFractionalPoints;
    slot.noBreak = reference.breakColumn == ' ';
    slot.suppressed = reference.suppressColumn != ' ';
    slot.options = "    ";
    slot.selection = kBlankTen;
    slot.selectionCode = kNoSelection;
    slot.deadLoadCode = 0;
    slot.definesReference = 0;
    slot.hangsOnReference = 0;
    slot.column47Code = 0;
    slot.description = kReferenceLineName;
    if (lineSet.reusing) return;
    slot.distance = 0.0;
    slot.distanceType = kOnControl;
    slot.skew = reference.skew;
    slot.skewType = reference.skewRespTo;
}

// Slot 1 takes the reference line's place.
void PlaceReferenceSlot(LineSetState& lineSet) {
    BentLine& slot = lineSet.bents.Slot(1);
    const ReferenceLine& reference = lineSet.reference;
    slot.foot = reference.foot;
    slot.sigma = reference.sigma;
    slot.skewUsed = reference.skewUsed;
    slot.crossing = reference.point;
    slot.station = reference.station;
}

// The skew of the layout line's X axis (reversed for a reversed layout
// line) against the normal of a control of tangent deflection phi, in
// -pi..pi.
double AxisSkew(const LayoutLineWork& layout, double phi) {
    const Pair axis =
        std::conj(layout.lineSet.layout.dir) * layout.lineSet.reference.axisSign.real();
    return angles::WithinHalfTurn(-std::arg(axis) - phi);
}

double LayoutY(const LayoutLineWork& layout, Pair z) {
    return LayoutCoordinates(layout.lineSet.layout, z).imag();
}

// Lists the reference line on the layout line; the next line set may reuse
// it.
bool ListReference(LayoutLineWork& layout, Pair p) {
    const Pair at = geometry::StationOffsetOfPoint(layout.h, layout.frame, p, layout.status);
    if (layout.status.failed) {
        WriteIllConditioned(layout.run);
        return false;
    }
    const ReferenceLine& reference = layout.Reference();
    WriteReferenceOnLayoutLine(layout.run,
                               MakeStationText(layout.run.state, layout.stationing, at.imag()),
                               at.real(), reference.transX, reference.transY);
    layout.lineSet.sameReferenceAllowed = true;
    return true;
}

// The layout line on the back or ahead tangent, crossed by the reference
// line.
bool OnTangent(LayoutLineWork& layout, bool back) {
    ReferenceLine& reference = layout.Reference();
    LayoutLine& line = layout.lineSet.layout;
    reference.layoutLineIs = back ? kBackTangentLayout : kAheadTangentLayout;
    line.foot = back ? Pair(0.0, 0.0) : layout.h.aheadFoot;
    line.dir = back ? Pair(1.0, 0.0) : layout.h.stFromHc;
    const Pair p = geometry::IntersectLines(reference.foot, line.foot, layout.status);
    if (layout.status.failed) {
        WriteIllConditioned(layout.run);
        return false;
    }
    line.a = -p * line.dir;
    if (back && layout.Straight())
        WriteLayoutDefinition(layout.run,
                              "LAYOUT LINE DEFINED TO BE COINCIDENT WITH HORIZONTAL CONTROL");
    else
        WriteLayoutDefinition(layout.run, std::string("LAYOUT LINE DEFINED AS ") +
                                              (back ? " BACK " : "AHEAD ") + "TANGENT");
    return ListReference(layout, p);
}

// A reference line whose direction was left to the layout line runs along
// the chord's normal turned by its skew.
bool BuildReferenceAlongChord(LayoutLineWork& layout, Pair chord) {
    ReferenceLine& reference = layout.Reference();
    const Pair along = chord.imag() == 0.0 ? Pair(1.0, 0.0) : chord;
    const Pair direction = TurnedBySkew(along, reference.skew);
    reference.foot =
        geometry::LineThroughPointAndDirection(reference.point, direction, layout.status);
    layout.At(0.0, reference.station);
    if (layout.status.failed) return false;
    const double phi = layout.frame.phi;
    reference.skewUsed = SkewOfDirection(layout.h, direction, phi);
    reference.sigma = OrientationSigma(layout.h, reference.foot, phi, reference.skewUsed);
    PlaceReferenceSlot(layout.lineSet);
    return true;
}

// The station text of a point on a tangent's extension into the curve
// system, which prints with every used equation.
TextPair TangentStationText(const LayoutLineWork& layout, double station, bool extension) {
    return extension ? MakeStationTextAllEquations(layout.run.state, layout.stationing, station)
                     : MakeStationText(layout.run.state, layout.stationing, station);
}

// The layout line's crossings with the back and ahead tangents (curved
// control) or with the control (straight).
void ListTangentCrossings(LayoutLineWork& layout) {
    const Pair chord = layout.lineSet.layout.foot;
    const geometry::HorizontalAlignment& h = layout.h;
    std::vector<LayoutCrossing> crossings;
    KernelStatus back;
    const Pair onBack = geometry::IntersectLines(chord, Pair(0.0, 0.0), back);
    if (layout.Straight()) {
        if (!back.failed)
            crossings.push_back(
                {"LAYOUT LINE INTERSECTS HORIZONTAL CONTROL AT",
                 MakeStationText(layout.run.state, layout.stationing, onBack.imag()),
                 AxisSkew(layout, 0.0), LayoutY(layout, onBack)});
        WriteLayoutCrossings(layout.run, false, crossings);
        return;
    }
    if (!back.failed)
        crossings.push_back({"LAYOUT LINE INTERSECTS  BACK TANGENT AT",
                             TangentStationText(layout, onBack.imag(), onBack.imag() >= 0.0),
                             AxisSkew(layout, 0.0), LayoutY(layout, onBack)});
    KernelStatus ahead;
    const Pair onAhead = geometry::IntersectLines(chord, h.aheadFoot, ahead);
    if (!ahead.failed) {
        const Pair st = onAhead * h.stFromHc + h.stOffset;
        crossings.push_back({"AHEAD TANGENT AT",
                             TangentStationText(layout, h.length + st.imag(), st.imag() < 0.0),
                             AxisSkew(layout, h.delta), LayoutY(layout, onAhead)});
    }
    WriteLayoutCrossings(layout.run, true, crossings);
}

// Lists a chord that has a tangent point on the curve: the layout line
// touches the control, or a parallel of it, which it may cut twice.
void ListTangentPoint(LayoutLineWork& layout, Pair qs) {
    const geometry::HorizontalAlignment& h = layout.h;
    const double q = qs.real();
    const double s = qs.imag();
    const double y = LayoutY(layout, layout.At(q, s));
    if (std::abs(q) <= kTouchesControl) {
        WriteTangentToControl(layout.run, layout.stationing, s, y);
        return;
    }
    WriteParallelCurve(layout.run, layout.stationing, q, s, y);
    const double ratio = (h.radius - q) / h.radius;
    if (!(q * h.f >= 0.0 && std::abs(ratio) <= 1.0)) {
        ListTangentCrossings(layout);
        return;
    }
    const double arc = std::abs(h.radius * std::acos(ratio));
    std::vector<LayoutCrossing> crossings;
    for (double station : {s - arc, s + arc}) {
        const Pair z = layout.At(0.0, station);
        crossings.push_back(
            {crossings.empty() ? "LAYOUT LINE INTERSECTS HORIZONTAL CONTROL AT" : "",
             MakeStationText(layout.run.state, layout.stationing, station),
             AxisSkew(layout, layout.frame.phi), LayoutY(layout, z)});
    }
    WriteLayoutCrossings(layout.run, false, crossings);
}

// Lists how the chord lies against the control.
Outcome DescribeChord(LayoutLineWork& layout, Pair p) {
    const geometry::HorizontalAlignment& h = layout.h;
    LayoutLine& line = layout.lineSet.layout;
    const Pair chord = line.foot;
    KernelStatus found;
    const Pair qs = geometry::TangentPointOnCurve(h, chord, found);
    if (!found.failed) {
        ListTangentPoint(layout, qs);
        return Outcome::Listed;
    }
    if (std::abs(chord.imag()) <= kParallelToTangent) {
        line.dir = Pair(1.0, 0.0);
        line.a = -p * line.dir;
        if (layout.Straight()) {
            WriteParallelToControl(layout.run);
            return Outcome::Listed;
        }
        const double offset = p.real();
        if (std::abs(offset) < kOnTangentOffset) return Outcome::BackTangent;
        WriteParallelToTangent(layout.run, " BACK ",
                               TangentStationText(layout, p.imag(), p.imag() >= 0.0), offset);
        return Outcome::Listed;
    }
    if (std::abs((chord * h.stFromHc).imag()) <= kParallelToTangent) {
        const Pair st = p * h.stFromHc + h.stOffset;
        const double offset = st.real();
        if (std::abs(offset) < kOnTangentOffset) return Outcome::AheadTangent;
        WriteParallelToTangent(layout.run, "AHEAD ",
                               TangentStationText(layout, h.length + st.imag(), st.imag() < 0.0),
                               offset);
        return Outcome::Listed;
    }
    ListTangentCrossings(layout);
    return Outcome::Listed;
}

// A chord layout line: the chord built, turned to grow with station, listed
// against the control, and the reference line listed on it.
bool ChordLayout(LayoutLineWork& layout) {
    LineSetState& lineSet = layout.lineSet;
    ReferenceLine& reference = layout.Reference();
    const geometry::HorizontalAlignment& h = layout.h;
    Pair chord;
    if (!BuildChord(layout, chord) ||
        (reference.fromLayoutLine && !BuildReferenceAlongChord(layout, chord))) {
        WriteRecursion(layout.run);
        return false;
    }
    if (std::abs(chord) < kNoChord) return OnTangent(layout, true);
    if (std::norm(chord - h.aheadFoot) < kOnAheadTangentFoot) return OnTangent(layout, false);

    LayoutLine& line = lineSet.layout;
    line.foot = chord;
    line.dir = Pair(-chord.real(), chord.imag()) / std::abs(chord);
    const Pair p = geometry::IntersectLines(reference.foot, chord, layout.status);
    if (layout.status.failed) {
        WriteIllConditioned(layout.run);
        return false;
    }
    line.a = -p * line.dir;
    // Y grows with station.
    const double below =
        geometry::StationOffsetOfPoint(h, layout.frame,
                                       PointOfLayoutCoordinates(line, Pair(0.0, -kLayoutProbe)),
                                       layout.status)
            .imag();
    const double above =
        geometry::StationOffsetOfPoint(
            h, layout.frame, PointOfLayoutCoordinates(line, Pair(0.0, kLayoutProbe)), layout.status)
            .imag();
    if (!(above > below)) {
        line.dir = -line.dir;
        line.a = -line.a;
    }
    if (lineSet.chordGirderLine > 0) {
        const GirderLine& girder = lineSet.girders.Line(lineSet.chordGirderLine);
        WriteLayoutDefinition(layout.run,
                              "LAYOUT LINE DEFINED AS CHORD ON GIRDER LINE:  " +
                                  girder.description[0] + girder.description[1],
                              13);
    } else {
        WriteLayoutDefinition(layout.run,
                              "LAYOUT LINE DEFINED AS CHORD ON HORIZONTAL CONTROL LINE");
    }
    switch (DescribeChord(layout, p)) {
        case Outcome::BackTangent:
            return OnTangent(layout, true);
        case Outcome::AheadTangent:
            return OnTangent(layout, false);
        case Outcome::Listed:
            break;
    }
    return ListReference(layout, p);
}

// The pattern shift option, and the flared offset bent lines located.
bool LocateFlaredOffsetBents(LayoutLineWork& layout) {
    LineSetState& lineSet = layout.lineSet;
    lineSet.patternShift = layout.Reference().patternShiftColumn != ' ' && !layout.Straight();
    if (lineSet.flaredInitialBent == 0 || lineSet.flaredBentsLocated) return true;
    if (LocateFlaredPair(layout, false)) {
        layout.run.listing.WritePageHeading(5, 5);
        WriteFlaredBentNames(layout.run, lineSet.bents.Slot(lineSet.flaredInitialBent).description,
                             lineSet.bents.Slot(lineSet.flaredTerminalBent).description);
        return true;
    }
    layout.run.listing.WritePageHeading(12, 12);
    WriteFlaredBentNames(layout.run, lineSet.bents.Slot(lineSet.flaredInitialBent).description,
                         lineSet.bents.Slot(lineSet.flaredTerminalBent).description);
    WriteBoxLines(layout.run, {{"FATAL ERROR"},
                               {"INTERSECTION OF INITIAL OR TERMINAL BENT"},
                               {"WITH HORIZONTAL CONTROL OR WITH LAYOUT LINE"},
                               {"OR WITH TANGENT LINE IS ILL-CONDITIONED"}});
    lineSet.bents.Slot(1).station = layout.Reference().station;
    return false;
}

}  // namespace

void ProcessLayoutLine(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet) {
    LayoutLineWork layout{
        run, alignment, lineSet, alignment.horizontal, alignment.frame, alignment.Stationing(), {}};
    SetUpReferenceSlot(lineSet);
    if (!lineSet.reusing) {
        ReferenceLine& reference = lineSet.reference;
        if (!reference.fromLayoutLine) PlaceReferenceSlot(lineSet);
        const int code = reference.layoutLineIs;
        WriteLayoutLineTitle(run, 20 - 11 * std::abs(code - kChordLayout));
        bool placed = false;
        if (code == kChordLayout)
            placed = ChordLayout(layout);
        else
            placed = OnTangent(layout, code < kChordLayout);
        if (!placed) {
            run.state.fatalFlag = true;
            return;
        }
        PlaceReferenceSlot(lineSet);
    }
    if (!LocateFlaredOffsetBents(layout)) run.state.fatalFlag = true;
}

}  // namespace quillon::engine

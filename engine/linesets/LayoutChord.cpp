#include "engine/linesets/LayoutChord.hpp"

#include <cmath>
#include <utility>

#include "engine/geometry/ChordPoint.hpp"
#include "engine/geometry/Lines.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/LayoutLine.hpp"
#include "engine/linesets/LayoutLineListing.hpp"

namespace quillon::engine {

namespace {

// A chord end on the parallel at offset q of a located line (foot form),
// starting the crossing from the control's point at `station`.
Pair OnParallel(LayoutLineWork& layout, Pair foot, double station, double q) {
    layout.At(0.0, station);
    return geometry::IntersectLineWithParallel(layout.h, layout.frame, foot, Pair(q, 0.0),
                                               layout.status);
}

// The second chord bent line's point (general construction).
bool SecondChordPoint(LayoutLineWork& layout, int slot, double q, Pair& point) {
    const ReferenceLine& reference = layout.Reference();
    if (slot == 1) {
        if (q == 0.0)
            point = reference.point;
        else if (reference.fromLayoutLine)
            point = layout.At(q, reference.station);
        else
            point = OnParallel(layout, reference.foot, reference.station, q);
        return !layout.status.failed;
    }
    const BentLine& bent = layout.lineSet.bents.Slot(slot);
    if (q == 0.0 && bent.distanceType == kOnControl) {
        point = layout.At(0.0, reference.station + bent.distance);
        return !layout.status.failed;
    }
    if (bent.skewType == kSkewFromLayoutLine) return false;
    double station = 0.0;
    LocateBentLine(layout.h, layout.frame, layout.lineSet, slot, layout.status, station, point);
    if (q != 0.0) point = OnParallel(layout, bent.foot, station, q);
    return !layout.status.failed;
}

// The first chord bent line's point: by chord distance from the second, on
// the control at its station, or located and crossed with the parallel.
bool FirstChordPoint(LayoutLineWork& layout, int slot, double q, Pair second, Pair& point) {
    const BentLine& bent = layout.lineSet.bents.Slot(slot);
    const ReferenceLine& reference = layout.Reference();
    if (bent.distanceType == kOnLayoutLine) {
        point = geometry::PointAtChordDistance(layout.h, layout.frame, q, bent.distance, second,
                                               layout.status);
    } else if (q == 0.0 && bent.distanceType == kOnControl) {
        point = layout.At(0.0, reference.station + bent.distance);
    } else {
        if (bent.skewType == kSkewFromLayoutLine) return false;
        double station = 0.0;
        LocateBentLine(layout.h, layout.frame, layout.lineSet, slot, layout.status, station, point);
        point = OnParallel(layout, bent.foot, station, q);
    }
    return !layout.status.failed;
}

// The chord between the two chord bent lines, at offset q.
bool ChordBetweenBents(LayoutLineWork& layout, double q, Pair& chord) {
    LineSetState& lineSet = layout.lineSet;
    const int first = lineSet.chordBentLines[0];
    const int second = lineSet.chordBentLines[1];
    const BentLine& one = lineSet.bents.Slot(first);
    const BentLine& two = lineSet.bents.Slot(second);
    const ReferenceLine& reference = layout.Reference();
    WriteChordBentNames(layout.run, one.description, two.description);
    Pair p1;
    Pair p2;
    if (reference.fromLayoutLine && !(second == 1 && one.distanceType == kOnLayoutLine)) {
        // The reference line waits for the layout line: the chord ends are
        // placed by station alone.
        if (one.distanceType != kOnControl || two.distanceType != kOnControl ||
            std::abs(one.distance - two.distance) < kSameChordDistance)
            return false;
        p1 = layout.At(q, reference.station + one.distance);
        const double secondDistance =
            std::abs(two.distance) <= kSameChordDistance ? 0.0 : two.distance;
        p2 = layout.At(q, reference.station + secondDistance);
    } else if (!SecondChordPoint(layout, second, q, p2) ||
               !FirstChordPoint(layout, first, q, p2, p1)) {
        return false;
    }
    chord = geometry::LineThroughPoints(p1, p2, layout.status);
    return !layout.status.failed;
}

// A flared offset bent line located for the chord (forChord: with the
// chord's restrictions) or for the flared girder lines.
bool LocateFlaredBent(LayoutLineWork& layout, int slot, bool forChord, double& station) {
    const ReferenceLine& reference = layout.Reference();
    if (slot == 1) {
        station = reference.station;
        return !(forChord && reference.fromLayoutLine);
    }
    const BentLine& bent = layout.lineSet.bents.Slot(slot);
    if (forChord) {
        if (bent.distanceType == kOnLayoutLine || bent.skewType == kSkewFromLayoutLine)
            return false;
        if (reference.fromLayoutLine &&
            !(bent.distanceType == kOnControl && bent.skewType > kDefaultSkew))
            return false;
    }
    Pair point;
    LocateBentLine(layout.h, layout.frame, layout.lineSet, slot, layout.status, station, point);
    return !layout.status.failed;
}

}  // namespace

// Both flared offset bent lines, the initial one before the terminal one in
// station.
bool LocateFlaredPair(LayoutLineWork& layout, bool forChord) {
    LineSetState& lineSet = layout.lineSet;
    int initial = lineSet.flaredInitialBent;
    int terminal = lineSet.flaredTerminalBent;
    double initialStation = 0.0;
    double terminalStation = 0.0;
    if (!LocateFlaredBent(layout, terminal, forChord, terminalStation) ||
        !LocateFlaredBent(layout, initial, forChord, initialStation))
        return false;
    if (terminalStation < initialStation) std::swap(initial, terminal);
    lineSet.flaredInitialBent = initial;
    lineSet.flaredTerminalBent = terminal;
    lineSet.flaredBentsLocated = true;
    return true;
}

namespace {

// A flared girder line's end on a located bent line: normal offset from the
// control (type 4) or a distance along the bent line.
Pair FlaredEnd(LayoutLineWork& layout, int slot, double offset, int offsetType) {
    const BentLine& bent = layout.lineSet.bents.Slot(slot);
    if (offsetType == kNormalFromControl)
        return OnParallel(layout, bent.foot, bent.station, offset);
    return AlongBentLine(bent, offset);
}

// The chord between a flared chord girder line's ends on its offset bents.
bool FlaredChord(LayoutLineWork& layout, Pair& chord) {
    LineSetState& lineSet = layout.lineSet;
    if (!LocateFlaredPair(layout, true)) return false;
    const int initial = lineSet.flaredInitialBent;
    const int terminal = lineSet.flaredTerminalBent;
    WriteChordBentNames(layout.run, lineSet.bents.Slot(initial).description,
                        lineSet.bents.Slot(terminal).description);
    const GirderLine& girder = lineSet.girders.Line(lineSet.chordGirderLine);
    const Pair one = FlaredEnd(layout, initial, girder.initialOffset, girder.initialOffsetType);
    const Pair two = FlaredEnd(layout, terminal, girder.terminalOffset, girder.terminalOffsetType);
    chord = geometry::LineThroughPoints(one, two, layout.status);
    return !layout.status.failed;
}

}  // namespace

// The chord line in foot form.
bool BuildChord(LayoutLineWork& layout, Pair& chord) {
    LineSetState& lineSet = layout.lineSet;
    const int girder = lineSet.chordGirderLine;
    if (girder > 0 && lineSet.girders.Line(girder).lineType == kFlaredLine)
        return FlaredChord(layout, chord);
    double q = 0.0;
    if (girder > 0) {
        GirderLine& line = lineSet.girders.Line(girder);
        q = line.initialOffset;
        if (line.initialOffsetType != kNormalFromControl) {
            // Along the reference line from its point on the control.
            if (layout.Reference().fromLayoutLine) return false;
            const Pair z = AlongBentLine(lineSet.bents.Slot(1), q);
            q = geometry::StationOffsetOfPoint(layout.h, layout.frame, z, layout.status).real();
            if (layout.status.failed) return false;
            line.initialOffset = q;
            line.initialOffsetType = kNormalFromControl;
        }
        if (layout.Straight()) {
            chord = Pair(q, 0.0);
            return true;
        }
        if (std::abs(q) < kNoChordOffset) q = 0.0;
    }
    if (lineSet.chordBentLines[0] == 0) return false;
    return ChordBetweenBents(layout, q, chord);
}

}  // namespace quillon::engine

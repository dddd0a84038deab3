#include "engine/linesets/SegmentChords.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/alignment/ElevationListing.hpp"
#include "engine/geometry/ChordPoint.hpp"
#include "engine/geometry/Lines.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/geometry/TangentPoint.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/BentLinePlacement.hpp"
#include "engine/linesets/GirderLineOffset.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/linesets/SecondaryReferences.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

using geometry::Pair;
namespace ff = quillon::fixedform;

namespace {

constexpr int kChordBoxRoom = 6;
constexpr int kChordDistanceBoxRoom = 9;
constexpr int kNoChordBoxRoom = 5;
constexpr int kSevereBoxRoom = 5;
constexpr int kSectionLines = 10;
constexpr int kPastEndChords = 2;      // breaks beyond the ST that still end chords
constexpr int kChordsBeforeTheTs = 2;  // chords before breaks at or before the TS end none
constexpr double kSkewRatioScale = 2500.0;
constexpr double kKeepsDirection = 1e-15;
constexpr int kNameColumn = 42;
constexpr int kShiftWidth = 71;

// The sign that makes sigma * foot point to the right of `along`.
double SigmaToTheRight(Pair foot, Pair along) {
    const Pair right = along * Pair(0.0, -1.0);
    return (geometry::Dot2(foot, right) < 0.0 ? -1.0 : 1.0) / std::abs(foot);
}

struct BreakPass {
    EngineRun& run;
    AlignmentState& alignment;
    LineSetState& lineSet;
    double largestOffset;

    const geometry::HorizontalAlignment& Horizontal() const { return alignment.horizontal; }
    geometry::AlignmentFrame& Frame() { return alignment.frame; }
    bool Curved() const { return !alignment.horizontal.horizontalTangent; }
    double BaseOffset() const { return lineSet.segments.baseChordOffset; }

    // State of one pass.
    SkewVerdict verdict = SkewVerdict::Suitable;
    int latestReference = -1;  // position (0-based) of the latest bent line owning its letter
    bool started = false;
    Pair firstPoint{0.0, 0.0};
    Pair previous{0.0, 0.0};
    double previousSkew = 0.0;
    int pastEnd = 0;

    void Reset() {
        lineSet.segments.chords.clear();
        lineSet.segments.startSlot = 0;
        verdict = SkewVerdict::Suitable;
        latestReference = -1;
        started = false;
        pastEnd = 0;
    }

    void WriteNoChordLine(const BentLine& bent) {
        WriteLineSetBox(run,
                        {{BentLineName(bent)},
                         {"DOES NOT INTERSECT CHORD LINE FOR SEGMENTED GIRDERS"},
                         {"COL 39 IGNORED"}},
                        kChordBoxRoom);
    }

    // The chord from the previous break to B, ended by bent line k.
    void EndChord(int k, Pair b, double skew) {
        BentLine& bent = lineSet.bents.Slot(k);
        geometry::KernelStatus status;
        const double station =
            geometry::StationOffsetOfPoint(Horizontal(), Frame(), b, status).imag();
        const int made = static_cast<int>(lineSet.segments.chords.size());
        if (made >= kChordsBeforeTheTs && !(station > 0.0)) return;
        if (station >= Horizontal().length && ++pastEnd > kPastEndChords) return;
        const Pair along = b - previous;
        SegmentChord chord;
        chord.endSlot = k;
        chord.foot = geometry::LineThroughPointAndDirection(previous, along, status);
        if (status.failed) {
            WriteNoChordLine(bent);
            bent.noBreak = true;
            return;
        }
        chord.sigma = SigmaToTheRight(chord.foot, along);
        const double d = Curved() ? MiddleOrdinate(chord.foot) : 0.0;
        if (lineSet.patternShift && d != 0.0) {
            chord.shift = -(d * Horizontal().f) / 2.0;
            Pair moved = chord.foot * (1.0 + chord.sigma * chord.shift);
            if (std::norm(moved) < kThroughOrigin)
                moved = kKeepsDirection * chord.sigma * chord.foot;
            chord.foot = moved;
            chord.sigma = SigmaToTheRight(moved, along);
        }
        lineSet.segments.chords.push_back(chord);
        if (Curved()) CheckSkews(previousSkew, skew, d, std::abs(along));
    }

    // The chord's middle ordinate from the base line: the offset of the
    // chord where the control runs parallel to it.
    double MiddleOrdinate(Pair foot) const {
        geometry::KernelStatus status;
        const Pair qs = geometry::TangentPointOnCurve(Horizontal(), foot, status);
        if (status.failed) return 0.0;
        const double d = (qs.real() - BaseOffset()) * Horizontal().f;
        return d < kNoMiddleOrdinate ? 0.0 : d;
    }

    void CheckSkews(double a, double b, double d, double length) {
        if (!(std::abs(a) > kSquareSkew && std::abs(b) > kSquareSkew && (a > 0.0) == (b > 0.0)))
            return;
        const double ratio = std::tan(std::max(std::abs(a), std::abs(b))) * kSkewRatioScale * d *
                             largestOffset / (length * length);
        if (ratio > kSevereSkewRatio)
            verdict = SkewVerdict::Severe;
        else if (ratio > kMarginalSkewRatio && verdict != SkewVerdict::Severe)
            verdict = SkewVerdict::Marginal;
    }

    int PositionOf(int slot) const {
        const auto& order = lineSet.bentLineOrder;
        for (size_t i = 0; i < order.size(); ++i)
            if (order[i].slot == slot) return static_cast<int>(i);
        return -1;
    }

    // A bent line of distance type 7 placed at its chord distance from the
    // first break, parallel to the first break's bent line.
    bool PlaceByChord(int slot) {
        const BentLine& first = lineSet.bents.Slot(lineSet.segments.startSlot);
        geometry::KernelStatus status;
        const Pair point =
            geometry::PointAtChordDistance(Horizontal(), Frame(), BaseOffset(),
                                           lineSet.bents.Slot(slot).distance, firstPoint, status);
        const Pair foot =
            geometry::LineThroughPointAndDirection(point, DirectionOfLine(first.foot), status);
        if (status.failed || !PutBentLineOn(Horizontal(), Frame(), lineSet, slot, foot))
            return false;
        lineSet.bentLineOrder.push_back({slot, lineSet.bents.Slot(slot).station});
        return true;
    }

    // The bent lines of distance type 7 waiting on a letter of a bent line at
    // or before the latest reference position: placed from the first break,
    // refused from any other. True when one was placed.
    bool PlaceChordDistanceBents() {
        if (latestReference < 0) return false;
        bool placed = false;
        BentLineTable& bents = lineSet.bents;
        for (int j = 2; j <= bents.Count(); ++j) {
            BentLine& bent = bents.Slot(j);
            const int letter = bent.hangsOnReference;
            if (bent.distanceType != kSegmentChordLength || bent.noBreak || !IsLetterCode(letter))
                continue;
            int& owner = lineSet.letterOwners[static_cast<size_t>(letter)];
            const int from = std::abs(owner);
            const int position = from == 0 ? -1 : PositionOf(from);
            if (position < 0 || position > latestReference) continue;
            if (from != lineSet.segments.startSlot) {
                WriteLineSetBox(run,
                                {{BentLineName(bent)},
                                 {"A BENT LINE WHERE SEGMENTED GIRDER LINES"},
                                 {"ARE BROKEN MAY BE REFERENCED BY A CHORD DISTANCE"},
                                 {"(DISTANCE TYPE 7) ONLY FROM A SECONDARY"},
                                 {"REFERENCE LINE WHERE SEGMENTS ARE BROKEN"},
                                 {"COL 39 IGNORED"}},
                                kChordDistanceBoxRoom);
                bent.noBreak = true;
                continue;
            }
            if (!PlaceByChord(j)) {
                bent.hangsOnReference = kLetterPlacementFailed;
                continue;
            }
            owner = -from;
            bent.hangsOnReference = 0;
            placed = true;
            if (IsLetterCode(bent.definesReference)) {
                int appended = 0;
                CheckSecondaryReferences(run, alignment, lineSet, j, appended, bents.Count());
            }
        }
        return placed;
    }

    // One pass over the order; true when it placed a bent line (the order
    // then holds it and the pass must run again).
    bool Run() {
        Reset();
        const auto& order = lineSet.bentLineOrder;
        for (size_t position = 0; position < order.size(); ++position) {
            const int k = order[position].slot;
            BentLine& bent = lineSet.bents.Slot(k);
            const int letter = bent.definesReference;
            if (IsLetterCode(letter) &&
                std::abs(lineSet.letterOwners[static_cast<size_t>(letter)]) == k)
                latestReference = static_cast<int>(position);
            if (bent.noBreak) continue;
            geometry::KernelStatus status;
            geometry::PointAtStationOffset(Horizontal(), Frame(),
                                           Pair(BaseOffset(), order[position].station), status);
            double skew = 0.0;
            const Pair b = geometry::IntersectLineWithParallelSkew(
                Horizontal(), Frame(), bent.foot, Pair(BaseOffset(), 0.0), skew, status);
            if (status.failed) {
                WriteNoChordLine(bent);
                bent.noBreak = true;
                continue;
            }
            if (!started) {
                started = true;
                lineSet.segments.startSlot = k;
                firstPoint = b;
            } else {
                EndChord(k, b, skew);
            }
            previous = b;
            previousSkew = skew;
            if (!lineSet.segments.chords.empty() && bent.fractionalPointKind < -1)
                bent.fractionalPointKind = -1;
            if (PlaceChordDistanceBents()) return true;
        }
        return false;
    }
};

void WriteSection(EngineRun& run, const LineSetState& lineSet, SkewVerdict verdict) {
    ListingWriter& out = run.listing;
    const SegmentTable& segments = lineSet.segments;
    const int chords = static_cast<int>(segments.chords.size());
    out.WritePageHeading(2 * chords + kSectionLines, 2 * chords + kSectionLines);
    out.WriteEmpty();
    out.WriteEmpty();
    out.Write(" SEGMENTED GIRDER LINE DATA");
    out.WriteEmpty();
    std::string base = " HORIZONTAL CONTROL LINE";
    if (lineSet.baseGirderLine > 0) {
        const GirderLine& line = lineSet.girders.Line(lineSet.baseGirderLine);
        base = " GIRDER LINE:  " + ff::PadRight(line.description[0], 10) +
               ff::PadRight(line.description[1], 10);
    }
    out.Write(ff::Record()
                  .Column(9)
                  .Text("SEGMENTED GIRDER LINES ARE PARALLEL TO CHORDS ON")
                  .Text(base)
                  .str());
    out.WriteEmpty();
    out.Write(ff::Record()
                  .Column(19)
                  .Text("SEGMENTED GIRDER LINES ARE BROKEN")
                  .X(12)
                  .Text("OFFSET OF BASE CHORD FOR")
                  .str());
    out.Write(ff::Record()
                  .Column(25)
                  .Text("AT THE FOLLOWING BENT LINES")
                  .X(12)
                  .Text("GIRDER PATTERN SHIFT")
                  .str());
    out.WriteEmpty();
    auto name = [&](int slot) {
        return ff::Record().Column(kNameColumn).Text(lineSet.bents.Slot(slot).description).str();
    };
    out.Write(name(segments.startSlot));
    for (const SegmentChord& chord : segments.chords) {
        out.Write(ff::Record().F(ListedLength(run.state, chord.shift), kShiftWidth, 6).str());
        out.Write(name(chord.endSlot));
    }
    if (verdict == SkewVerdict::Marginal) {
        WriteWarningLine(run,
                         "WARNING:  DUE TO LARGE SKEW ANGLES, USE OF SEGMENTED GIRDER LINES IS "
                         "MARGINALLY SUITABLE");
    } else if (verdict == SkewVerdict::Severe) {
        WriteLineSetBox(
            run,
            {{"DUE TO SEVERE SKEW ANGLES, USE OF SEGMENTED"}, {"GIRDER LINES IS NOT APPROPRIATE"}},
            kSevereBoxRoom);
    }
}

// The base line's offset from the control; the base girder line takes it
// as a normal offset from the control.
void SetBaseChordOffset(AlignmentState& alignment, LineSetState& lineSet) {
    double offset = 0.0;
    const int base = lineSet.baseGirderLine;
    if (base > 0 && base <= lineSet.girders.count) {
        GirderLine& line = lineSet.girders.Line(base);
        geometry::KernelStatus status;
        offset = ControlOffsetOfGirderLine(alignment.horizontal, alignment.frame, lineSet,
                                           line.initialOffset, line.initialOffsetType, status);
        if (status.failed) offset = line.initialOffset;
        line.initialOffset = offset;
        line.initialOffsetType = kNormalFromControl;
    }
    lineSet.segments.baseChordOffset = offset;
}

}  // namespace

SkewVerdict BuildSegmentChords(EngineRun& run, AlignmentState& alignment, LineSetState& lineSet,
                               double largestSegmentedOffset) {
    SetBaseChordOffset(alignment, lineSet);
    BreakPass pass{run, alignment, lineSet, largestSegmentedOffset};
    while (pass.Run()) SortBentLineOrder(lineSet.bentLineOrder);

    SegmentTable& segments = lineSet.segments;
    GirderLineTable& girders = lineSet.girders;
    if (segments.chords.empty()) {
        WriteLineSetBox(run,
                        {{"FATAL ERROR -- NOT ENOUGH 06 CARDS HAVE PUNCH IN COL 39"},
                         {"SEGMENTED GIRDER LINES NOT RESOLVED"}},
                        kNoChordBoxRoom);
        run.state.fatalFlag = true;
        run.state.runErrorFlag = true;
        int keep = std::min(girders.count, 1);
        if (!lineSet.girderOrder.empty() &&
            girders.Line(lineSet.girderOrder.front()).lineType == kSegmentedLine)
            keep = 0;
        girders.count = keep;
        return SkewVerdict::Suitable;
    }
    if (alignment.horizontal.horizontalTangent) {
        SegmentChord chord = segments.chords.front();
        chord.endSlot = lineSet.bentLineOrder.back().slot;
        chord.shift = 0.0;
        segments.chords = {chord};
        return SkewVerdict::Suitable;
    }
    WriteSection(run, lineSet, pass.verdict);
    return pass.verdict;
}

}  // namespace quillon::engine

// The points of the girder lines: each line placed by its type and offset
// type, walked from bent line to bent line with its fractional points and
// X points, and listed in its own table.
#include <algorithm>
#include <cmath>

#include "angles/Angles.hpp"
#include "engine/geometry/Lines.hpp"
#include "engine/geometry/Parallels.hpp"
#include "engine/geometry/StationOffset.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/linesets/GirderLineOffset.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "engine/points/PointListing.hpp"
#include "engine/points/PointStore.hpp"
#include "engine/points/PointsSteps.hpp"

namespace quillon::engine {

namespace {

using geometry::Dot2;
using geometry::KernelStatus;

constexpr double kTinyFootSquared = 1e-30;
constexpr double kTinyFoot = 1e-15;
constexpr double kSameXPointSquared = 4e-09;  // a projected bent crossing this close is not stored

// A slot with column-43 code c applies to a girder line with selection
// letter g: blank (-1) to all, "0" to lines whose letter is neither blank,
// "0" nor a letter, a letter to lines with the same letter, "*" to none.
bool Applies(int c, int g) {
    return !(c > -1 && (g == 0 || (c == 0 && g < 27) || (c > 0 && c != g)));
}

// The foot form of the line through P across the control: P less its
// component along the control's normal N there; at the TS (a line through
// the origin) 1e-15 times the normal turned a quarter.
Pair CrossLineAcrossControl(Pair p, Pair normal) {
    const Pair f = p - Dot2(p, normal) * normal;
    return Dot2(f, f) < kTinyFootSquared ? kTinyFoot * (Pair(0.0, 1.0) * normal) : f;
}

// The line through P along unit direction `normal`, foot form.
Pair CrossLineThrough(Pair p, Pair normal) {
    const Pair along = Pair(0.0, 1.0) * normal;  // the line's own normal
    const Pair f = Dot2(p, along) * along;
    return Dot2(f, f) < kTinyFootSquared ? kTinyFoot * along : f;
}

// A crossing this far from the TS or farther (feet) comes from lines all but
// parallel: no station text could show it, and it counts as none.
bool Reachable(Pair point) { return std::abs(point) < kFarthestCrossing; }

struct Crossing {
    bool ok = false;
    Pair point{0.0, 0.0};
    Pair qs{0.0, 0.0};      // (offset, station)
    double skew = 0.0;      // parallels: the crossing's skew
    Pair normal{1.0, 0.0};  // the control's unit normal at the crossing
};

// A fractional point of the span from `position`, at the crossing `c`.
StoredPoint FractionalPoint(PointKind kind, int position, char letter, long long count,
                            const Crossing& c) {
    StoredPoint p;
    p.kind = kind;
    p.position = position;
    p.letter = letter;
    p.count = count;
    p.qs = c.qs;
    p.z = c.point;
    return p;
}

class GirderWalk {
public:
    GirderWalk(PointsWork& w) : w_(w), walk_(w.walk), girder_(w.Girder()) {}

    void Run();

private:
    // Lines and their crossings.
    bool Parallel() const { return kind_ == Kind::Parallel || kind_ == Kind::Type4; }
    Crossing CrossBent(int position);
    Crossing CrossBentOnce(int position);
    Crossing CrossParallel(Pair foot, double stationHint);
    Crossing CrossStraight(Pair foot);
    bool SolveType4(Crossing& c, Pair guide, bool fixedStation);
    double GirderLengthTo(const Crossing& c) const;
    int NextApplying(int position) const;
    bool Place();
    bool PlaceStraight(int offsetType, double distance, int onSlot, Pair& point, Pair& foot);
    bool StartFromReference();

    // The walk.
    void Walk(int firstPosition, int lastPosition);
    void ParallelFractionalPoints(int position, const Crossing& at, double s2);
    void StraightFractionalPoints(int position, const Crossing& at, const Crossing& next);
    void ProjectXPoints(int limit);
    void SegmentedLinePoints();
    void WriteX(int count, int bentPosition, Pair crossLine, Pair point);
    void WriteReferenceBox();
    void WriteNotConverged();

    enum class Kind { Parallel, Straight, Segmented, Type4 };

    PointsWork& w_;
    LineWalk& walk_;
    GirderLine& girder_;
    Kind kind_ = Kind::Parallel;
    double lengthBase_ = 0.0;  // segmented lines: the length of the segments before this one
    Pair segmentStart_{0.0, 0.0};
    // The crossing at the end of the span just walked, with the frame it
    // left, for the walk's next position. On a parallel a crossing depends
    // only on its bent line, and the frame only on the crossing.
    struct KeptCrossing {
        int position = 0;
        Crossing crossing;
        geometry::AlignmentFrame frame;
    } kept_;
};

Crossing GirderWalk::CrossParallel(Pair foot, double stationHint) {
    Crossing c;
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
    Crossing c;
    KernelStatus status;
    c.point = geometry::IntersectLines(foot, walk_.foot, status);
    c.qs = geometry::LocatePoint(w_.H(), w_.Frame(), c.point, status);
    c.normal = w_.Frame().normal;
    c.ok = !status.failed && Reachable(c.point);
    return c;
}

// The type 4 offset rule at the crossing: the offset and the crossing
// repeated until the station settles.
bool GirderWalk::SolveType4(Crossing& c, Pair guide, bool fixedStation) {
    Type4Point point;
    point.point = c.point;
    point.elevationShift = girder_.elevationShift;
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
    girder_.elevationShift = point.elevationShift;
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

void GirderWalk::WriteX(int count, int bentPosition, Pair crossLine, Pair point) {
    if (walk_.writeBank < 0) return;
    w_.banks[static_cast<size_t>(walk_.writeBank)].Write({count, bentPosition, crossLine, point});
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

// Steps 1-8 of the walk at positions first .. last. A segment's last
// position starts no span: the span beyond it belongs to the next segment.
void GirderWalk::Walk(int first, int last) {
    const ValidDataLimits& limits = w_.Limits();
    const int positions = w_.Positions();
    const bool xRequest = girder_.xPointRequest != 0;
    kept_.position = 0;
    for (int k = first; k <= last && !walk_.full; ++k) {
        const BentLine& bent = w_.BentAt(k);
        if (!Applies(bent.selectionCode, girder_.xTypeRequestCode)) continue;
        const Crossing at = CrossBentOnce(k);
        if (!at.ok) continue;
        const double s = at.qs.imag();
        if (s > limits.end) continue;
        if (bent.fractionalPointKind != kNoFractionalPoints) walk_.chained = 0;
        Crossing next;
        const bool spanHere = k != positions && (kind_ != Kind::Segmented || k < last);
        if (spanHere && bent.fractionalPointKind >= 0) {
            const int j = NextApplying(k);
            next = CrossBent(j);
            kept_ = {j, next, w_.Frame()};
            if (next.ok) {
                walk_.chained = j;
                walk_.spanLength = Parallel() ? geometry::ParallelLength(
                                                    w_.H(), s, walk_.lineOffset, next.qs.imag())
                                              : std::abs(next.point - at.point);
            }
        }
        const double g = GirderLengthTo(at);
        if (s < limits.begin) OpenDeadLoadSpan(w_, k, g);
        if (s >= limits.begin) {
            StoredPoint p;
            p.kind = Parallel() ? PointKind::BentOnParallel : PointKind::BentOnStraight;
            p.position = k;
            p.qs = at.qs;
            p.z = at.point;
            p.skew = at.skew;
            p.direction = bent.foot * (Pair(0.0, 1.0) / walk_.direction);
            p.girderLength = g;
            p.a = at.point - (kind_ == Kind::Segmented ? segmentStart_ : walk_.startPoint);
            p.b = walk_.direction;
            if (kind_ == Kind::Segmented) {
                // Summed along the segments: the sign of a against b stays.
                p.a = Pair(std::fabs(g), 0.0);
                p.b = Pair(g < 0.0 ? -1.0 : 1.0, 0.0);
            }
            if (!StoreLinePoint(w_, p)) return;
        }
        if (xRequest) {
            // Segmented and type 4 lines project theirs after the segment or the line.
            if (kind_ != Kind::Segmented && kind_ != Kind::Type4 && walk_.chained != 0)
                ProjectXPoints(walk_.chained);
            continue;
        }
        if (!spanHere && k != positions) continue;  // a segment's end: the next segment's start
        if (Parallel()) {
            if (bent.fractionalPointKind >= 0 && k != walk_.spanEndedOn &&
                std::fabs(at.skew) >= kLeastXSkew && girder_.exteriorCode != 0 && w_.CheckX0() &&
                s >= limits.begin)
                WriteX(0, walk_.chained, CrossLineAcrossControl(at.point, at.normal), at.point);
            const int fk = bent.fractionalPointKind;
            if (walk_.chained != 0 && fk >= kEqualParts &&
                next.qs.imag() >= std::max(s + kOnNextBent, limits.begin))
                ParallelFractionalPoints(k, at, next.qs.imag());
        } else {
            StraightFractionalPoints(k, at, next);
        }
    }
}

// Step 7 of the walk along a parallel: D, E or F points of the span from
// the crossing `at` to station s2.
void GirderWalk::ParallelFractionalPoints(int position, const Crossing& at, double s2) {
    const BentLine& bent = w_.BentAt(position);
    const BentLine& end = w_.BentAt(walk_.chained);
    const ValidDataLimits& limits = w_.Limits();
    const double v = bent.fractionalPoints;
    const double span = walk_.spanLength;
    char letter = 'D';
    double step = v;
    if (bent.fractionalPointKind == kEqualParts) {
        letter = 'F';
        step = span / v;
    } else if (bent.fractionalPointKind == kSpacingFromNextBent) {
        letter = 'E';
        step = std::fmod(span, v);
        if (step < kOnNextBent) step += v;
    }
    const double q = walk_.lineOffset;
    double station = at.qs.imag();
    for (long long count = 1;; ++count) {
        KernelStatus status;
        const double reached = geometry::StationAlongParallel(w_.H(), station, q, step, status);
        if (status.failed) return;
        if (!(reached != station)) {  // a step too small to move (or not a number)
            CutFractionalPointsShort(w_);
            return;
        }
        station = reached;
        if (station > limits.end) return;
        if (letter == 'E') step = v;
        if (station < limits.begin) continue;
        if (station > s2 - kOnNextBent) station = s2;
        Crossing c;
        c.qs = Pair(q, station);
        c.point = geometry::PointAtStationOffset(w_.H(), w_.Frame(), c.qs, status);
        c.normal = w_.Frame().normal;
        if (kind_ == Kind::Type4 && !SolveType4(c, c.qs, true)) return;
        const bool atEnd = station == s2;
        if (girder_.exteriorCode != 0 && !(atEnd && (end.fractionalPointKind > 0 || !w_.CheckX0() ||
                                                     std::fabs(end.skewUsed) < kLeastXSkew))) {
            if (atEnd) walk_.spanEndedOn = walk_.chained;
            WriteX(static_cast<int>(atEnd ? -count : count), walk_.chained,
                   CrossLineAcrossControl(c.point, c.normal), c.point);
        }
        if (atEnd) return;
        StoredPoint p =
            FractionalPoint(PointKind::FractionalOnParallel, position, letter, count, c);
        p.girderLength = GirderLengthTo(c);
        if (!StoreLinePoint(w_, p)) return;
    }
}

// StraightLineFractionalPoints: the X-0 record at the crossing and the D,
// E or F points of the span to the next crossing.
void GirderWalk::StraightFractionalPoints(int position, const Crossing& at, const Crossing& next) {
    const BentLine& bent = w_.BentAt(position);
    const ValidDataLimits& limits = w_.Limits();
    const Pair u = walk_.direction;
    const double s = at.qs.imag();
    // The bent line's normal against the line's direction: 0 for a square
    // crossing, either way round.
    const double crossingAngle = angles::WithinQuarterTurn(std::arg(bent.foot * std::conj(u)));
    if (bent.fractionalPointKind >= 0 && position != walk_.spanEndedOn &&
        std::fabs(crossingAngle) >= kLeastXSkew && girder_.exteriorCode != 0 && w_.CheckX0() &&
        s >= limits.begin)
        WriteX(0, walk_.chained, CrossLineThrough(at.point, u), at.point);
    const int fk = bent.fractionalPointKind;
    if (!next.ok || fk < kEqualParts || walk_.chained == 0 ||
        next.qs.imag() - kOnNextBent < std::max(s, limits.begin))
        return;
    const BentLine& end = w_.BentAt(walk_.chained);
    const double v = bent.fractionalPoints;
    const Pair span = next.point - at.point;
    const double length = std::abs(span);
    const Pair along = span / length;
    char letter = 'D';
    Pair step = v * along;
    Pair point = at.point;
    if (fk == kEqualParts) {
        letter = 'F';
        step = span / v;
    } else if (fk == kSpacingFromNextBent) {
        letter = 'E';
        point -= (v - std::fmod(length, v)) * along;
        if (std::abs(point + step - at.point) < kOnNextBent) point += step;
    }
    for (long long count = 1;; ++count) {
        const Pair reached = point + step;
        if (!(reached != point) || !geometry::IsFinite(reached)) {
            CutFractionalPointsShort(w_);
            return;
        }
        point = reached;
        KernelStatus status;
        Crossing c;
        c.point = point;
        c.qs = geometry::LocatePoint(w_.H(), w_.Frame(), point, status);
        if (status.failed) return;
        const double station = c.qs.imag();
        if (station > next.qs.imag() - kOnNextBent) {
            if (girder_.exteriorCode != 0 && !(end.fractionalPointKind > 0 || !w_.CheckX0() ||
                                               std::fabs(end.skewUsed) < kLeastXSkew)) {
                walk_.spanEndedOn = walk_.chained;
                WriteX(static_cast<int>(-count), walk_.chained, CrossLineThrough(next.point, u),
                       next.point);
            }
            return;
        }
        if (station > limits.end) return;
        if (station < limits.begin) continue;
        if (girder_.exteriorCode != 0)
            WriteX(static_cast<int>(count), walk_.chained, CrossLineThrough(point, u), point);
        StoredPoint p =
            FractionalPoint(PointKind::FractionalOnStraight, position, letter, count, c);
        p.a = point - walk_.startPoint;
        p.b = u;
        if (kind_ == Kind::Segmented) {
            const double g = GirderLengthTo(c);
            p.a = Pair(std::fabs(g), 0.0);
            p.b = Pair(g < 0.0 ? -1.0 : 1.0, 0.0);
        }
        if (!StoreLinePoint(w_, p)) return;
    }
}

// ProjectXPoints: X points of this line from the records of the line before,
// up to the records of the span ending at position `limit`.
void GirderWalk::ProjectXPoints(int limit) {
    const ValidDataLimits& limits = w_.Limits();
    const XRecordBank& bank = w_.banks[static_cast<size_t>(walk_.readBank)];
    for (;; ++walk_.readIndex) {
        const XRecord record = bank.Read(walk_.readIndex);
        if (record.count == kXRecordEnd || record.bentPosition > limit) return;
        KernelStatus status;
        geometry::LocatePoint(w_.H(), w_.Frame(), record.point, status);  // start nearby
        Crossing c;
        if (Parallel()) {
            c.point = geometry::IntersectLineWithParallel(w_.H(), w_.Frame(), record.crossLine,
                                                          Pair(walk_.lineOffset, 0.0), status);
            if (status.failed || !Reachable(c.point)) continue;
            c.qs = geometry::LocatePoint(w_.H(), w_.Frame(), c.point, status);
            c.normal = w_.Frame().normal;
            c.qs = Pair(walk_.lineOffset, c.qs.imag());
            if (!status.failed && kind_ == Kind::Type4 && !SolveType4(c, record.crossLine, false))
                continue;
        } else {
            c = CrossStraight(record.crossLine);
            status.failed = !c.ok;
        }
        if (status.failed || c.qs.imag() < limits.begin || c.qs.imag() > limits.end) continue;
        const Pair a = c.point - record.point;
        StoredPoint p;
        p.count = record.count;
        p.position = record.bentPosition;
        p.qs = c.qs;
        p.z = c.point;
        p.a = a;
        if (Parallel()) {
            p.kind = PointKind::XPoint;
            p.b = c.normal;
            p.girderLength = GirderLengthTo(c);
            if (girder_.exteriorCode != 0)
                WriteX(record.count, record.bentPosition, CrossLineAcrossControl(c.point, c.normal),
                       c.point);
        } else {
            p.kind = PointKind::XPointOnStraight;
            p.b = Pair(0.0, -1.0) * walk_.direction;  // the line's normal
            if (girder_.exteriorCode != 0)
                WriteX(record.count, record.bentPosition,
                       CrossLineThrough(c.point, walk_.direction), c.point);
        }
        if (record.count < 1 && Dot2(a, a) <= kSameXPointSquared) continue;
        p.girderLength = Parallel() ? p.girderLength : GirderLengthTo(c);
        if (!StoreLinePoint(w_, p)) return;
    }
}

// SegmentedLinePoints: chord by chord, each walked as a straight line and
// its points sorted by station among themselves.
void GirderWalk::SegmentedLinePoints() {
    const SegmentTable& segments = w_.lineSet.segments;
    auto positionOf = [this](int slot) {
        for (int k = 1; k <= w_.Positions(); ++k)
            if (w_.SlotAt(k) == slot) return k;
        return 0;
    };
    int startPosition = positionOf(segments.startSlot);
    bool firstSegment = true;
    const bool xRequest = girder_.xPointRequest != 0;
    for (const SegmentChord& chord : segments.chords) {
        const int endPosition = positionOf(chord.endSlot);
        if (startPosition == 0 || endPosition < startPosition) {
            startPosition = endPosition;
            continue;
        }
        Pair foot = chord.foot * (1.0 + girder_.initialOffset * chord.sigma);
        if (Dot2(foot, foot) < kTinyFootSquared) foot = chord.foot * chord.sigma * kTinyFoot;
        walk_.foot = foot;
        walk_.direction = Pair(0.0, 1.0) * chord.sigma * chord.foot;
        const Crossing start = CrossStraight(w_.BentAt(startPosition).foot);
        if (!start.ok) {
            startPosition = endPosition;
            continue;
        }
        segmentStart_ = start.point;
        if (firstSegment) walk_.startPoint = start.point;
        const int firstPoint = w_.points.Count();
        Walk(startPosition, endPosition);
        if (xRequest) ProjectXPoints(endPosition);
        walk_.spanEndedOn = walk_.chained = 0;
        walk_.deadLoad.open = 0;
        const Crossing end = CrossStraight(w_.BentAt(endPosition).foot);
        if (end.ok) lengthBase_ += Dot2(end.point - start.point, walk_.direction);
        const std::vector<int> sorted = SortedByStation(w_.points, firstPoint, w_.points.Count());
        walk_.rowOrder.insert(walk_.rowOrder.end(), sorted.begin(), sorted.end());
        firstSegment = false;
        startPosition = endPosition;
        if (walk_.full) break;
    }
}

void GirderWalk::Run() {
    WriteLongitudinalTitle(w_.run, w_.tables, girder_, Type4TitleValuesOf(w_.lineSet),
                           walk_.type4.normalShift);
    walk_.type4.lineType = girder_.lineType;
    walk_.type4.nominalOffset = girder_.terminalOffset;
    walk_.type4.baseOffset = w_.lineSet.type4.baseOffset;
    if (!Place()) {
        WriteReferenceBox();
        return;
    }
    if (kind_ == Kind::Segmented) {
        SegmentedLinePoints();
        WriteLongitudinalRows(w_, walk_.rowOrder);
        return;
    }
    if (!StartFromReference()) {
        w_.points.Clear();
        WriteReferenceBox();
        return;
    }
    Walk(1, w_.Positions());
    if (girder_.xPointRequest != 0 && !walk_.full) ProjectXPoints(w_.Positions());
    ListSortedLinePoints(w_, true);
}

}  // namespace

Type4TitleValues Type4TitleValuesOf(const LineSetState& lineSet) {
    const Type4Values& t = lineSet.type4;
    Type4TitleValues v;
    v.baseOffset = t.baseOffset;
    v.addedOffset = t.pivotOffset;
    v.f1 = t.firstRowFactor;
    v.f2 = t.firstRowSlope;
    v.unit = t.unit;
    return v;
}

void ComputeGirderLinePoints(PointsWork& w) {
    GirderLineTable& girders = w.lineSet.girders;
    std::vector<int> order = w.lineSet.girderOrder;
    if (order.empty())
        for (int i = 1; i <= girders.count; ++i) order.push_back(i);
    const int count = std::min<int>(girders.count, static_cast<int>(order.size()));
    for (int n = 0; n < count; ++n) {
        LineWalk& walk = w.walk;
        walk = LineWalk{};
        walk.line = order[static_cast<size_t>(n)];
        const GirderLine& girder = w.Girder();
        const int bank = w.currentBank;
        walk.readBank = bank;
        if (girder.xPointRequest == 0) {
            if (girder.exteriorCode != 0) {
                walk.writeBank = bank;
                w.banks[static_cast<size_t>(bank)].Clear();
            }
        } else if (girder.exteriorCode != 0) {
            walk.writeBank = 1 - bank;
            w.banks[static_cast<size_t>(walk.writeBank)].Clear();
            w.currentBank = walk.writeBank;
        }
        w.points.Clear();
        GirderWalk(w).Run();
    }
}

}  // namespace quillon::engine

// The walk of a girder line: from bent line to bent line with its
// fractional points and X points, segment by segment for a segmented line,
// and listed in its own table.
#include <algorithm>
#include <cmath>

#include "angles/Angles.hpp"
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

namespace quillon::engine {

namespace girder_walk {

using geometry::Dot2;
using geometry::KernelStatus;

namespace {

constexpr double kTinyFootSquared = 1e-30;
constexpr double kTinyFoot = 1e-15;
constexpr double kSameXPointSquared = 4e-09;  // a projected bent crossing this close is not stored

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
    p.elevationShift = c.elevationShift;
    return p;
}

}  // namespace

void GirderWalk::WriteX(int count, int bentPosition, Pair crossLine, Pair point) {
    if (walk_.writeBank < 0) return;
    w_.banks[static_cast<size_t>(walk_.writeBank)].Write({count, bentPosition, crossLine, point});
}

// The walk at positions first .. last: each bent-line crossing stored, then
// the span to the next bent line with its fractional and X points. A segment's last
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
            p.elevationShift = at.elevationShift;
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

// The fractional points along a parallel: D, E or F points of the span from
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
        Crossing c = NewCrossing();
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
        Crossing c = NewCrossing();
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
        Crossing c = NewCrossing();
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
        p.elevationShift = c.elevationShift;
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

}  // namespace girder_walk

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
        girder_walk::GirderWalk(w).Run();
    }
}

}  // namespace quillon::engine

// The walk of one girder line, shared by the two files that make it:
// GirderLinePlacing.cpp places the line and finds its crossings,
// GirderLineWalk.cpp walks it with its fractional and X points.
#pragma once

#include <cmath>

#include "engine/geometry/Lines.hpp"
#include "engine/linesets/BentLineLocation.hpp"
#include "engine/points/PointsWork.hpp"

namespace quillon::engine::girder_walk {

// A slot with column-43 code c applies to a girder line with selection
// letter g: blank (-1) to all, "0" to lines whose letter is neither blank,
// "0" nor a letter, a letter to lines with the same letter, "*" to none.
inline bool Applies(int c, int g) {
    return !(c > -1 && (g == 0 || (c == 0 && g < 27) || (c > 0 && c != g)));
}

// A crossing this far from the TS or farther (feet) comes from lines all but
// parallel: no station text could show it, and it counts as none.
inline bool Reachable(Pair point) { return std::abs(point) < kFarthestCrossing; }

struct Crossing {
    bool ok = false;
    Pair point{0.0, 0.0};
    Pair qs{0.0, 0.0};      // (offset, station)
    double skew = 0.0;      // parallels: the crossing's skew
    Pair normal{1.0, 0.0};  // the control's unit normal at the crossing
    // The girder line's elevation shift at the crossing, feet: a type 4
    // line's changes with the cross slope there.
    double elevationShift = 0.0;
};

class GirderWalk {
public:
    GirderWalk(PointsWork& w) : w_(w), walk_(w.walk), girder_(w.Girder()) {}

    void Run();

private:
    // Lines and their crossings.
    bool Parallel() const { return kind_ == Kind::Parallel || kind_ == Kind::Type4; }
    // A crossing not yet found, with the line's own elevation shift (a type 4
    // solve replaces it with the shift at the crossing's cross slope).
    Crossing NewCrossing() const {
        Crossing c;
        c.elevationShift = girder_.elevationShift;
        return c;
    }
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

}  // namespace quillon::engine::girder_walk

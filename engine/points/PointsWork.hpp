// What the points of one line set work on: the run, the alignment and the
// line set, the tables' state, the current line's stored points, the two
// XRecordBanks, the record of the last stored point and the walk of the
// current girder line. One PointsWork lives for one ComputeLineSetPoints.
//
// Units: lengths feet, angles radians, stations internal (feet from the
// TS); points of the HC frame are pairs. Bent positions count from 1 in the
// bent-line order; 0 means none.
#pragma once

#include <array>
#include <vector>

#include "engine/alignment/AlignmentState.hpp"
#include "engine/geometry/Pair.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/points/LineTables.hpp"
#include "engine/points/PointRecords.hpp"
#include "engine/points/Type4PointOffset.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

using geometry::Pair;

// A line stops at this many points: a spacing or count punched with an
// exponent could otherwise fill memory (fields without one give at most
// about 80 000).
inline constexpr int kMostLinePoints = 100000;
// Fractional points this close before the next bent line (feet) fall on it.
inline constexpr double kOnNextBent = 0.0008;
// Crossings skewed less than this (radians) write no X-0 record.
inline constexpr double kLeastXSkew = 5e-06;

// The values behind the current point's record (feet).
struct CurrentPoint {
    double offset = 0.0;
    double elevation = 0.0;
    double x = 0.0, y = 0.0;
    double girderLength = 0.0;
    bool flag = false;
};

// The span of a girder line whose dead-load curve gives its points their
// ELEV+DL.
struct DeadLoadSpan {
    int open = 0;              // the position that ends the open span; 0 none
    double endValue = 0.0;     // the deflection at its end, feet
    double startLength = 0.0;  // the girder length at its start, feet
    const std::array<double, kCurveTerms>* curve = nullptr;
};

// The walk of the current girder line.
struct LineWalk {
    int line = 0;         // girder line index
    int spanEndedOn = 0;  // a fractional point landed on this position
    int chained = 0;      // the position that ends the current span
    double spanLength = 0.0;
    DeadLoadSpan deadLoad;
    // XRecords: the bank this line reads (X points) and the one it writes
    // (-1 none), and the next record to read.
    int readBank = 0;
    int writeBank = -1;
    size_t readIndex = 0;
    bool cutShort = false;      // the FRACTIONAL POINTS CUT SHORT box is written
    bool full = false;          // the line has its most points
    bool notConverged = false;  // the type 4 box is written
    double lineOffset = 0.0;    // q of a line parallel to the control
    double startStation = 0.0;  // Sr: its crossing with the reference line
    Pair startPoint{0.0, 0.0};  // that crossing, HC frame
    Pair direction{0.0, 1.0};   // unit direction of a straight line, station increasing
    Pair foot{0.0, 0.0};        // a straight line, foot form
    Type4Line type4;            // the offset rule of a type 4 line
    std::vector<int> rowOrder;  // segmented lines: their points segment by segment
};

struct PointsWork {
    PointsWork(EngineRun& r, AlignmentState& a, LineSetState& l)
        : run(r), alignment(a), lineSet(l), baseLength(l.bents.slots.size() + 1, 0.0) {}

    EngineRun& run;
    AlignmentState& alignment;
    LineSetState& lineSet;
    LineTableState tables;
    LinePoints points;
    PointRecord record;  // the slots as the last stored point left them
    CurrentPoint current;
    std::array<XRecordBank, 2> banks;
    int currentBank = 0;
    std::vector<double> baseLength;  // by slot: bent-line length from the Y axis at its base point
    LineWalk walk;

    const geometry::HorizontalAlignment& H() const { return alignment.horizontal; }
    geometry::AlignmentFrame& Frame() { return alignment.frame; }
    const ValidDataLimits& Limits() const { return alignment.limits; }
    int Positions() const { return static_cast<int>(lineSet.bentLineOrder.size()); }
    int SlotAt(int position) const {
        return lineSet.bentLineOrder[static_cast<size_t>(position - 1)].slot;
    }
    double StationAt(int position) const {
        return lineSet.bentLineOrder[static_cast<size_t>(position - 1)].station;
    }
    BentLine& BentAt(int position) { return lineSet.bents.Slot(SlotAt(position)); }
    GirderLine& Girder() { return lineSet.girders.Line(walk.line); }
    // The printed layout coordinates of HC point z: (z dir + A) R + T.
    Pair Printed(Pair z) const {
        const ReferenceLine& r = lineSet.reference;
        return (z * lineSet.layout.dir + lineSet.layout.a) * r.axisSign + Pair(r.transX, r.transY);
    }
    bool CheckX0() const { return lineSet.reference.xZeroColumn != ' '; }
};

}  // namespace quillon::engine

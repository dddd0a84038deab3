// Storing one point of a line: the texts of its listing row (name, station,
// offset, elevation, ELEV+DL, X and Y, bent length, skew, girder length,
// cross slope), by the kind of point, and the dead-load span bookkeeping
// that gives a girder line's points their ELEV+DL.
//
// Units: feet, radians, internal stations; the texts in the listing's
// units.
#pragma once

#include <string>

#include "engine/points/PointsWork.hpp"

namespace quillon::engine {

enum class PointKind {
    BentOnLayout = 1,      // a bent line's own point (its point on the layout line)
    BentOnTangent = 2,     // a bent line's crossing with a tangent
    BentOnParallel = 3,    // a crossing on a line parallel to the control
    BentOnStraight = 4,    // a crossing on a straight line
    XPoint = 5,            // an X point of a line parallel to the control
    XPointOnStraight = 6,  // an X point of a segmented (or straight) line
    FractionalOnParallel = 7,
    FractionalOnStraight = 8,
};

struct StoredPoint {
    PointKind kind = PointKind::BentOnLayout;
    int position = 0;           // the bent position (bent crossings; the span's for the others)
    char letter = 'X';          // fractional points: D, E or F; X points: X
    long long count = 0;        // the number in the label
    Pair qs{0.0, 0.0};          // (offset, station): the line's offset for kinds 3, 5 and 7
    Pair z{0.0, 0.0};           // the point, HC frame
    Pair direction{0.0, 0.0};   // kinds 1, 2 and 4: the bent line's foot pair turned
    double skew = 0.0;          // kind 3: the crossing's skew
    double girderLength = 0.0;  // kinds 1-3, 5 and 7
    // Kinds 3-8: the girder line's elevation shift at the point (feet above
    // finished grade).
    double elevationShift = 0.0;
    Pair a{0.0, 0.0},
        b{0.0, 0.0};  // kinds 4-6 and 8: the signed lengths |a|, negative when a.b < 0
};

// Fills the record of the point and stores it as the line's next point.
// Returns false (nothing stored) when the line already holds its most
// points; the first time, the FRACTIONAL POINTS CUT SHORT box is written and
// the run's error flag set.
bool StoreLinePoint(PointsWork& w, const StoredPoint& p);

// "*TS OR PC*" (the TS, station 0) or "*ST OR PT*" (the ST) with its girder
// length, written straight into the line's points.
void StoreCurveEnd(PointsWork& w, bool atTs, double girderLength);

// A crossing before the begin of valid data opens the dead-load span that
// starts at it (or closes the one that ends at it); g is its girder length.
void OpenDeadLoadSpan(PointsWork& w, int position, double g);

// The FRACTIONAL POINTS CUT SHORT box, once per girder line.
void CutFractionalPointsShort(PointsWork& w);

}  // namespace quillon::engine

// One girder's camber input: the two cards, the splice points, the spans and
// the elevations and dead-load deflections at the tenth or twentieth points of
// every span. Field names are those of the camber input records.
//
// Every length and elevation is in feet and held in single precision, as the
// shop figures have always been computed; deflections are in feet too
// (positive downward, added to the geometric elevation to get the camber).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quillon::camber {

// Limits of one problem. A problem outside them is refused before any table
// is filled (see CamberRefusals.hpp).
inline constexpr int kMaxSpans = 32;
inline constexpr int kMaxSplicePoints = 55;  // both girder ends included
inline constexpr int kMinSplicePoints = 2;   // the two girder ends
inline constexpr int kMaxPointsPerSpan = 21;
inline constexpr int kDescriptionWidth = 72;

// Values at the points of one span: index 0 is point 1 (the span's first
// support); 11 entries are used with tenth points, 21 with twentieth points.
using SpanPoints = std::array<float, kMaxPointsPerSpan>;

struct CamberProblem {
    int supplementalFlag = 0;  // IFLAG: 0 normal listing; otherwise also the supplemental tables
    int pointsOption = 1;      // IPTS: 1 tenth points, 2 twentieth points
    std::string description;   // DSCRPT: job description, always 72 characters
    int spansAsRead = 0;       // ISPAN: number of spans as read (may be 0 or negative)
    int splicesAsRead = 0;     // ISPL: number of splice points, girder ends included, as read

    // Sized to the counts when the tables are read (a negative count reads
    // as none).
    std::vector<float> spliceElevations;          // SPEL: elevation at each splice point, ft
    std::vector<float> spliceLocations;           // SPLOC: from abutment 1, ft, increasing
    std::vector<float> spanLengths;               // SPANL: CL bearing to CL bearing, ft, > 0
    std::vector<SpanPoints> geometricElevations;  // GEOEL: elevation at each point, ft
    std::vector<SpanPoints> deflections;          // DEFEL: dead-load deflection at each point, ft

    int PointsPerSpan() const { return pointsOption == 2 ? 21 : 11; }
    int SpanCount() const { return spansAsRead > 0 ? spansAsRead : 0; }
    int SpliceCount() const { return splicesAsRead > 0 ? splicesAsRead : 0; }
};

}  // namespace quillon::camber

// The camber of one girder: the check of the last splice location, the
// dead-load deflection at every splice point, the chord drawn between the
// corrected splice elevations, the camber off-set at every point, and the
// blocking columns (splice points and piers) above a level base line.
//
// Everything is single precision, formed and stored as float, in feet:
// CAMBER = GEOEL + DEFEL - CHORD, and a blocking dimension is the height of a
// column's elevation above the base line (the lowest corrected splice
// elevation; piers take no part in it).
#pragma once

#include <string>
#include <vector>

#include "camber/CamberProblem.hpp"

namespace quillon::camber {

// The two values of the splice check. `reported` when the last splice
// location as read lies more than 0.001 ft from the sum of the spans.
struct SpliceCheck {
    bool reported = false;
    float spanSum = 0.0f;         // SUMSPN: sum of the span lengths, ft
    float locationAsRead = 0.0f;  // SPLOC(ISPL) before it was replaced, ft
};

// Tolerance of the splice check, ft.
inline constexpr float kSpliceCheckTolerance = 0.001f;
// Relative tolerance of the twentieth-point chord search: a point up to this
// fraction of a splice's distance beyond it still belongs to the chord that
// ends there.
inline constexpr float kChordSearchTolerance = 1.0e-5f;

// Sums the spans and sets the last splice location to that sum whenever the
// two differ at all. Needs at least one splice point.
SpliceCheck CheckLastSplice(CamberProblem& problem);

// The spacing of the points of a span of the given length: 1/10 or 1/20 of it.
float PointSpacing(const CamberProblem& problem, float spanLength);

struct BlockingColumn {
    std::string label;       // BLKLAB: 10 characters: "     ABUT ", "    SPL 1 ", "   PIER 2 "
    float location = 0.0f;   // BLKX: distance from abutment 1, ft
    float elevation = 0.0f;  // BLKEL: corrected splice elevation, or pier elevation, ft
    float dimension = 0.0f;  // BLKDIM: elevation - base line elevation, ft (negative for a pier
                             // below the base line)
};

struct CamberTables {
    std::vector<float> pointSpacings;  // DX: point spacing of each span, ft
    std::vector<float>
        spliceDeflections;  // DEFSPL: deflection at each splice point, ft; 0 at both ends
    std::vector<float> correctedSpliceElevations;  // CSPEL: SPEL + DEFSPL, ft
    std::vector<float> chordSlopes;  // SLOPE: chord slope from splice j to j+1 (ISPL - 1 entries)
    std::vector<SpanPoints> pointDistances;   // HDIST: distance of each point from abutment 1, ft
    std::vector<SpanPoints> chordElevations;  // CHORD: chord elevation at each point, ft
    std::vector<SpanPoints> camberOffsets;    // CAMBER: camber off-set at each point, ft
    std::vector<float>
        pierLocations;  // PIERX: pier k (between spans k and k+1) from abutment 1, ft
    std::vector<float> pierElevations;    // PIEREL: GEOEL at point 1 of the span after the pier, ft
    std::vector<BlockingColumn> columns;  // NBLK columns in order of location
    float baseLineElevation = 0.0f;       // BASEL: base line elevation, ft
};

// Steps after the splice check, for a problem that ValueRefusal accepts
// (at least one span, positive spans, strictly increasing splice locations).
CamberTables ComputeCamber(const CamberProblem& problem);

// Labels of the blocking columns.
std::string SpliceLabel(int j, int splicePoints);  // j = 1..splicesAsRead
std::string PierLabel(int k);                      // k = 1..spansAsRead-1

}  // namespace quillon::camber

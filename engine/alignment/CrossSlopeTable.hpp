// The cross slopes of a Problem: the break table of the roadway's cross slope
// left and right of the crown or pivot as a piecewise linear function of
// station, rounded at each break by a parabolic transition vertical curve;
// the superelevation break points of the horizontal curve; the override rows
// of the further 03 cards; and the TABLE OF ROADWAY CROSS-SLOPES with the
// pivot line, or the PARABOLIC CROWN DATA of a parabolic crown.
//
// Units: stations are internal stations (feet from the TS); lengths feet;
// slopes fractions, signed: positive when the surface rises going out from
// the crown or pivot on that side. Rows within 0.00015 of each other's slopes
// count as equal slopes; override rows within 1.0 of a point take its place.
#pragma once

#include <string>
#include <vector>

#include "engine/alignment/AlignmentCards.hpp"
#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/run/EngineRun.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

// Station of row 1: the slopes on tangent hold from here on.
inline constexpr double kOnTangentStation = -500000000.0;

struct CrossSlopeRow {
    double station = 0.0;    // internal station of the break (feet)
    double left = 0.0;       // slope left at the break
    double right = 0.0;      // slope right at the break
    double vcLength = 0.0;   // transition curve length; half of it once the table is listed
    double startLeft = 0.0;  // slopes where the transition curve begins
    double startRight = 0.0;
    double endLeft = 0.0;  // slopes where it ends
    double endRight = 0.0;
    std::string label =
        std::string(10, ' ');  // " -U-" for an override row; " *" marks a short curve
};

// The parabolic crown (CrownCode 5): the surface is a*x^2 within the half width
// and straight beyond it.
struct ParabolicCrown {
    double halfWidth = 0.0;  // w (feet)
    double height = 0.0;     // h (feet): the crown edge lies h below the profile grade
    double a = 0.0;          // -(h/w)/w (1/feet)
    double slopeLeft = 0.0;  // slope beyond the half width (a 0 on the card becomes 2*w*a)
    double slopeRight = 0.0;
};

struct CrossSlopeBreakTable {
    int crownCode = 5;  // 1, 2 one-way; 3, 4 crowned; 5 parabolic crown
    double crownFactor =
        0.0;  // F: 2*CrownCode - 3 for codes 1 and 2, 0 for 3 and 4 (times f on a curve)
    double normalSlope = 0.0;  // S, the normal cross slope (absolute value)

    // rows[i - 1] is row i; once built, rows[count] is the closing row
    // (200.0 beyond row N, slopes of row N). Row 1 holds the slopes on tangent.
    int count = 0;  // N
    std::vector<CrossSlopeRow> rows;

    // Superelevation.
    std::string superRateText = " -NC- ";  // 6 characters
    bool superRateGiven = false;
    double superRate = 0.0;  // E
    double fullSuper = 0.0;  // Es = E * f
    double crownFraction = 1.0;
    double crownWidthField =
        0.0;  // CrossTrans.CrownWidth: the crown fraction of code 3 (below 0.02: 1.0)
    double inTransLength = 0.0, inTransPer = 0.6;
    double outTransLength = 0.0, outTransPer = 0.6;
    double maxTransVC = 50.0;  // feet

    // Pivot: offset from the profile control line (feet, positive), its side,
    // and its height above the profile grade on tangent (offset times the
    // pivot side's slope in row 1).
    double pivotOffset = 0.0;
    std::string pivotSide = std::string(10, ' ');  // "RIGHT", "LEFT" or blank
    bool pivotLeft = false;
    double pivotDrop = 0.0;

    // Override rows not yet taken into the table, in rising station order;
    // their stations are turned into internal stations when first needed.
    std::vector<CrossSlopeOverrideRow> overrides;
    size_t overridesTaken = 0;
    bool overridesResolved = false;

    ParabolicCrown crown;
    bool built = false;  // BuildCrossSlopeTable has run for this Problem
};

// The on-tangent row, the override slopes, the pivot drop and MaxTransVC, once
// the 03 rows are read: codes 1 and 2 give row 1 (F*S, -F*S) and an override
// with a blank left slope takes the negative of its right slope (a given left
// slope sets the right one to its negative); codes 3 and 4 give (-S, -S) and
// take override slopes as read. The override rows are copied in.
void SetUpCrossSlopeTable(const CrossSlopeCard& card,
                          const std::vector<CrossSlopeOverrideRow>& overrides,
                          CrossSlopeBreakTable& table);

// The superelevation break points of the horizontal curve (codes 1-4, an
// alignment with a curve); sets the rate text. Writes its 03 boxes at once,
// so the caller calls it after the first curve line of the horizontal section
// (TS, or PC/TSC without an entering spiral). Returns true when the entering
// transition of a curve without spirals is too short: the Problem is then
// fatal and the caller writes no further curve lines.
bool AddCurveSuperelevation(EngineRun& run, const Stationing& stationing,
                            const geometry::HorizontalAlignment& horizontal,
                            CrossSlopeBreakTable& table);

// Appends the row (station, left, right), first taking over every override
// row before it or within 1.0 of it as a row of its own (label " -U-"); an
// override within 1.0 of `station` stands in for the new point.
void AddCrossSlopePoint(EngineRun& run, const Stationing& stationing, CrossSlopeBreakTable& table,
                        double station, double left, double right);

// Finishes the table once per Problem: the rest of the override rows, the
// dropped repeats and straight-line points, the closing row, the transition
// curve lengths and their rounding, and the slopes where each curve begins
// and ends.
void BuildCrossSlopeTable(EngineRun& run, const Stationing& stationing,
                          CrossSlopeBreakTable& table);

// The cross-slope section after the vertical profile: for codes 1-4 builds the
// table and writes the TABLE OF ROADWAY CROSS-SLOPES with its relative
// max/min lines, boxes and the pivot line; for code 5 the PARABOLIC CROWN
// DATA. May move a limit to the superelevation data (label "SUPERELEVATION");
// a fatal 03 error sets run.state.fatalFlag and empties the limits.
void WriteCrossSlopeSection(EngineRun& run, const Stationing& stationing,
                            const CrossSlopeCard& card, CrossSlopeBreakTable& table,
                            ValidDataLimits& limits);

}  // namespace quillon::engine

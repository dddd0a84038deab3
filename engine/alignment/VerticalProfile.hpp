// The vertical profile of a Problem: the grade line of the profile control
// line through one or two vertical PIs, with an unsymmetrical parabolic curve
// at each PI, built from the 02 card; and the VERTICAL ALIGNMENT DATA section
// of the listing.
//
// Units: stations are internal stations (feet from the TS, after the station
// equation); lengths and elevations feet; grades fractions (0.025 = 2.5
// percent). Elevations are held relative to the base elevation (the
// elevation of the first PI).
#pragma once

#include <array>
#include <cstddef>

#include "engine/alignment/AlignmentCards.hpp"
#include "engine/run/EngineRun.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

// Arrays are indexed by point number m as the formulas have it: NV = 3 with
// two PIs (m = 2 is PI 1, m = 3 is PI 2), NV = 2 with one PI (m = 2). Index 1
// holds no PI (the begin side of the first grade); gr[NV + 1] is the leaving
// grade. Index 0 is never used.
struct VerticalProfile {
    std::size_t nv = 2;
    std::array<double, 5> sta{};   // station of PI m, internal (feet)
    std::array<double, 5> l1{};    // curve length before PI m (feet), 0 without a curve
    std::array<double, 5> l2{};    // curve length after PI m (feet)
    std::array<double, 5> elev{};  // elevation of PI m above the base elevation (elev[2] = 0)
    std::array<double, 5> gr{};    // grade entering PI m (fraction); gr[nv + 1] leaves the last
    std::array<double, 5> k{};   // parabola coefficient (gr[m+1] - gr[m]) * 0.5 / (l1 + l2), 1/feet
    double baseElevation = 0.0;  // elevation of PI 1 (of the only PI with one), feet
    // False when a fatal 02 error stopped the build; the arrays are then a flat
    // grade of 0 at the base elevation, so every evaluation stays finite.
    bool built = false;
};

// Builds the profile from the 02 card and writes the whole VERTICAL
// ALIGNMENT DATA section: its heading (two blank lines and the title), the
// curve-length boxes or warnings, the table, and the fatal 02 boxes.
//   cards       the decoded alignment cards (the 02 card, and from the first 03
//               card CrownCode, MaxTransVC and the VCLengthFlag)
//   stationing  the Problem's stationing, with the horizontal alignment's TS
//               station as origin: the PI stations are turned into internal
//               stations here (card type 2 in an ambiguous-station message)
//   limits      set to the empty range on a fatal 02 error
// A fatal 02 error sets run.state.fatalFlag.
void BuildVerticalProfile(EngineRun& run, const AlignmentCards& cards, const Stationing& stationing,
                          ValidDataLimits& limits, VerticalProfile& profile);

// The rows of the table from the profile, with their column titles and page
// breaks (BuildVerticalProfile calls it).
void WriteVerticalAlignmentTable(EngineRun& run, const Stationing& stationing,
                                 const VerticalProfile& profile);

// The column titles and page control of the table.
//   lines <= 0: the titles alone when at least -lines lines are left on the
//               page, else a new page (with the continued heading and titles);
//   lines > 0:  nothing when lines is less than the lines left; otherwise the
//               grade line of `grade` (fraction) and a new page.
void WriteVerticalAlignmentHeading(EngineRun& run, int lines, double grade);

}  // namespace quillon::engine

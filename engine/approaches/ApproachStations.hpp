// The stations of the roadway approaches: the approach length and the rows it
// asks for, the back list before the begin of the structure and the ahead
// list after its end (kept apart, made contiguous or merged into one when the
// structure is short), and each station moved onto whole 10 ft of the deck's
// stationing where a station equation puts it off that grid.
//
// Units: deck stations and internal distances (from the internal origin) in
// feet; the approach length L a multiple of 10 ft from 150 to 910. Every
// truncation and whole division works on doubles, so a station or length
// punched with an exponent cannot overflow an integer; values that fit an
// integer give the results of integer arithmetic.
#pragma once

#include <vector>

#include "engine/alignment/AlignmentCards.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

// Spacing of the approach stations (feet).
inline constexpr double kApproachSpacing = 10.0;
// The most rows a list can have (a 910 ft approach).
inline constexpr int kMostApproachRows = 92;

// L, n and R of an approach length.
struct ApproachSpan {
    int length = 150;   // L: feet, a multiple of 10 from 150 to 910
    int stations = 16;  // n = L / 10 + 1: stations that cover one approach
    int rows = 16;      // R = ((n - 1) div 4) x 4 + 4: rows of a list
};

// trunc(length + 9.99) with 9.99 held in single precision (9.989999771...),
// at least 150, down to whole 10 ft, at most 910; then n and R. A length of
// 150.01 stays 150.
ApproachSpan ApproachSpanOf(double length);

// The begin station raised to whole 10 ft: ((trunc(s) + 9) div 10) x 10.
double BeginStationUp(double begStr);
// The end station lowered to whole 10 ft: (trunc(s) div 10) x 10.
double EndStationDown(double endStr);

// The start of each list (internal distances) and the rows per list.
struct ApproachLists {
    double back = 0.0;    // B: first station of the back list (or of the one list)
    double ahead = 0.0;   // E: first station of the ahead list (two lists only)
    int rows = 0;         // R
    bool single = false;  // only one list, in the left half of the table
};

// Two lists from B = begin - L and E = end (internal distances): E is moved
// back so that both lists have R rows; then by the gap q (in 10 ft steps)
// from the last back station to the first ahead station the lists stay apart
// (q > 3), become contiguous (R > 45 and -8 <= q <= 1), stay overlapping
// (R > 45, q < -8) or merge into one longer list (R <= 45).
ApproachLists ArrangeTwoLists(double back, double ahead, const ApproachSpan& span);

// A station of the back list moved up to whole 10 ft of the deck's
// stationing. Without station equations it is kept unchanged. A station
// whose move would take it past the next equation is dropped (false); one
// that would land on the equation's switch position stays 0.000005 ft
// before it.
bool MoveBackStation(const Stationing& stationing, double& distance);
// A station of the ahead list moved down to whole 10 ft of the deck's
// stationing; one whose move would take it back across the equation it has
// passed is dropped, one that would land on it stays 0.000005 ft after it.
bool MoveAheadStation(const Stationing& stationing, double& distance);

// The stations of both lists (internal distances, in row order). Stations
// outside the limits, before or after their move, are left out.
struct ApproachStationLists {
    std::vector<double> back;
    std::vector<double> ahead;  // empty for a single list
};

ApproachStationLists LayOutApproachStations(const Stationing& stationing,
                                            const ValidDataLimits& limits,
                                            const ApproachLists& lists);

}  // namespace quillon::engine

// The camber input file that Ql2Cmb writes: one camber problem for each
// selected girder, in girder order.
//
// A problem, every line padded to 77 columns with its running number in the
// file in columns 78-80:
//   card 1   " nGIRDER NO. g  -  name": n 1 for tenth points, 2 for twentieth
//   card 2   spans and splice points (splices and the two girder ends), 2I5
//   SPEL     elevations of the girder's first row, its splices and its last row
//   SPLOC    their girder lengths from the first row, 3 implied decimals
//   SPANL    span lengths between supports and piers, 4 implied decimals
//   GEOEL    elevations at every tenth or twentieth point, span by span
//   DEFEL    dead-load deflections (ELEV+DL minus ELEVATION) at the same points
// Values are 7 columns each with implied decimals (a zero as "   0000"), 11
// a line: SPEL, SPLOC and SPANL go on over as many lines as they need; a span
// of tenth points takes one line of 11 values (points 0-10), a span of
// twentieth points a line of 10 (points 0-9) and one of 11 (points 10-20).
// Elevations keep three integer digits, as the listing prints ELEV+DL; every
// elevation of a girder must therefore have the same thousands digit.
//
// A girder is refused (and the run ends) unless it can be written whole:
// its point rows (supports, piers, fractional points from its first row to
// its last support) make 1 to 32 spans of 10 or 20 points, each span from a
// support or pier to the next; it has at most 53 splices; no ELEVATION is
// blank; ELEV+DL is given at every point or at none (none: no deflections);
// and every value fits its 7 columns.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "converters/tocamber/BridgeFile.hpp"

namespace quillon::converters::tocamber {

inline constexpr int kMaxSpans = 32;
inline constexpr int kMaxSplices = 53;  // 55 splice points with the two girder ends

// One girder's problem, values in units of the last implied decimal.
struct GirderProblem {
    int number = 0;  // girder number in the listing, from 1
    std::string name;
    int pointsPerSpan = 10;  // 10 or 20
    int spans = 0;
    int splicePoints = 0;                     // splices + 2
    std::vector<long long> spliceElevations;  // SPEL: ft x 10^4, three integer digits
    std::vector<long long> spliceLocations;   // SPLOC: ft x 10^3, from the first row
    std::vector<long long> spanLengths;       // SPANL: ft x 10^4
    // GEOEL: ft x 10^4 at point rows 0 .. spans x pointsPerSpan; DEFEL the same points.
    std::vector<long long> geometricElevations;
    std::vector<long long> deflections;
};

struct GirderBuild {
    std::optional<GirderProblem> problem;
    std::string refusal;  // the message when the girder cannot be written
};

GirderBuild BuildGirderProblem(const LongitudinalLineEntry& girder, int number);

// Appends a line: the text padded or cut to 77 columns and the line's
// running number (counted in `lineCount`) in columns 78-80.
void WriteCmbLine(std::string_view text, int& lineCount, std::string& file);

// Appends the lines of one problem.
void WriteGirderProblem(const GirderProblem& problem, int& lineCount, std::string& file);

struct CamberFileText {
    std::string text;                    // the whole file
    std::optional<std::string> refusal;  // a selected girder that cannot be written
};

// The problems of the selected girders (selected[n] for girder n), in order.
CamberFileText WriteCamberFile(const std::vector<LongitudinalLineEntry>& girders,
                               const std::vector<bool>& selected);

}  // namespace quillon::converters::tocamber

// The HORIZONTAL ALIGNMENT DATA section of the listing: its heading, the
// curve lines (TS, SC, PI, CS, ST or PC, PI, PT), the horizontal-tangent
// lines, the station-equation line, the profile-offset line and the 01
// card's fatal boxes.
//
// Listing positions count the carriage-control column as 1. Curve lines:
// 7-11 point label, 12-31 station (two 10-character texts), 32-33 length
// label, 34-45 length F12.4, 54-58 angle label, 59-72 angle (10 + 4
// characters), 73-82 direction, then "RADIUS" (83-88) and the radius F14.6
// (89-102); the English build puts "Dc" (83-84) and the degree of curve
// (85-104) before "RADIUS" (105-110) and the radius (111-124). A line ends
// after its last item. Lengths print in metres in the metric build.
#pragma once

#include <string>
#include <vector>

#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/run/EngineRun.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

// Spirals this long or shorter (feet) are no spirals in the listing.
inline constexpr double kNoSpiralLength = 0.009;

enum class CurveLineKind { Tangent, Spiral, PI };

// One line of the curve listing.
struct CurveLine {
    CurveLineKind kind = CurveLineKind::Tangent;
    std::string pointLabel;   // " PC", "TSC", " TS", " SC", " PI", " PT", "CST", " CS", " ST"
    double station = 0.0;     // internal station (feet from the TS)
    std::string lengthLabel;  // "T", "Ls" or "Lc"
    double length = 0.0;      // feet
    double angle = 0.0;       // radians: the spiral angle (Spiral) or the deflection (PI)
};

// The lines of a computed curve, in listing order.
std::vector<CurveLine> CurveLines(const geometry::HorizontalAlignment& h);

// The record of one curve line.
std::string CurveLineRecord(const RunState& state, const Stationing& stationing,
                            const geometry::HorizontalAlignment& h, const CurveLine& line);

// Two blank lines, " HORIZONTAL ALIGNMENT DATA", a blank line; keeps
// `linesAfter` further lines on the same page.
void WriteHorizontalHeading(EngineRun& run, int linesAfter);

void WriteCurveLine(EngineRun& run, const Stationing& stationing,
                    const geometry::HorizontalAlignment& h, const CurveLine& line);

// A blank line and "HORIZONTAL TANGENT"; after a fatal 01 error also
// "ASSUMED FOR FURTHER PROCESSING".
void WriteTangentLines(EngineRun& run, bool assumed);

// A blank line, "STATION EQUATION:", the station just before the equation,
// "BACK   =    ", the station just after it, "AHEAD", a blank line.
void WriteStationEquationLine(EngineRun& run, const Stationing& stationing,
                              const geometry::HorizontalAlignment& h);

// Two blank lines and the offset from the horizontal control to the profile
// control line (G14.6, metres or feet).
void WriteProfileOffsetLine(EngineRun& run, double profOffset);

// The box "FATAL ERROR -- nn CARD" (the title `blanks` after the left
// "ERROR") over one message line (`messageBlanks` after it).
void WriteFatalCardBox(EngineRun& run, int cardType, int titleBlanks, const std::string& message,
                       int messageBlanks);

}  // namespace quillon::engine

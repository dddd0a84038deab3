// The records of the LAYOUT LINE DATA section and of the flared offset bent
// lines. Each writer counts its lines with the page control (need 0: the
// section asked for its room when its title was written) unless it says
// otherwise.
//
// Listing columns (the carriage-control column is 1):
//   title            " LAYOUT LINE DATA" after two empty records
//   definitions      "LAYOUT LINE DEFINED ..." from column 9; "... CHORD ON GIRDER
//                    LINE:  " from column 13; "AND:  " 53-58; bent names 59-68
//   relation texts   right-aligned to end in column 59; a station text follows
//                    after 4 blanks (columns 64-76, or 64-78 with 5 characters
//                    of its second half), a length F17.4 in columns 60-76
//   tangent point    "LAYOUT LINE IS TANGENT TO HORIZONTAL CONTROL AT" 13-59,
//                    station 64-76, Y from the reference line G19.9 77-95;
//                    headings "HCL STA" 68, "Y FROM REF LINE" 77
//   parallel curve   its offset F17.4 60-76; its station 64-76; "Y FROM REF
//                    LINE" 45-59 and its value G19.9 62-80
//   crossings        station 64-78, skew 79-92, Y G19.9 93-111; headings
//                    "TANG STA" 67 or "HCL STA" 68, "SKEW" 84, "Y FROM REF
//                    LINE" 93
//   parallel tangent "LAYOUT LINE IS PARALLEL TO " from column 9; headings
//                    "TANG STA" 67, "OFFSET" 84; the reference line's crossing
//                    from column 26, station 64-76, offset G19.9 77-95
//   reference line   headings "HCL STA" 68, "OFFSET" 84, "X" 103, "Y" 115;
//                    "LAYOUT LINE INTERSECTS REF LINE AT" 26-59, station 64-76,
//                    offset G19.9 77-95, TransX F12.4 96-107, TransY F12.4
//                    108-119
//   flared bents     "BENT LINES TO DEFINE OFFSETS FOR FLARED GIRDER LINES" from
//                    column 2 after two empty records; "INITIAL BENT:  " from
//                    column 52 and "TERMINAL BENT:  " from 51, names 67-76
// Lengths are metres in QlMetr (ConvertLength) and feet in QlEngl; a length
// below 2e-8 ft in size prints as 0.
#pragma once

#include <string>
#include <vector>

#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"
#include "engine/run/StationText.hpp"

namespace quillon::engine {

// Page control (need, 3), two empty records and the title.
void WriteLayoutLineTitle(EngineRun& run, int need);

// An empty record and `text` from `column`.
void WriteLayoutDefinition(EngineRun& run, const std::string& text, int column = 9);

// "LAYOUT LINE DEFINED AS CHORD BETWEEN BENT LINES:  " first / "AND:  " second.
void WriteChordBentNames(EngineRun& run, const std::string& first, const std::string& second);

// The layout line touches the control at `station` (internal).
void WriteTangentToControl(EngineRun& run, const Stationing& stationing, double station,
                           double yFromReference);

// A parallel of the control at `offset` touches the layout line.
void WriteParallelCurve(EngineRun& run, const Stationing& stationing, double offset, double station,
                        double yFromReference);

// One crossing of the layout line with the control or a tangent.
struct LayoutCrossing {
    std::string label;  // ends in column 59; blank for a second crossing of the curve
    TextPair station;
    double skew = 0.0;  // radians
    double yFromReference = 0.0;
};

// An empty record, the headings ("TANG STA" or "HCL STA", "SKEW", "Y FROM
// REF LINE") and one line per crossing.
void WriteLayoutCrossings(EngineRun& run, bool onTangents,
                          const std::vector<LayoutCrossing>& crossings);

// "LAYOUT LINE IS PARALLEL TO HORIZONTAL CONTROL".
void WriteParallelToControl(EngineRun& run);

// "LAYOUT LINE IS PARALLEL TO " " BACK " or "AHEAD " "TANGENT", its headings
// and the reference line's crossing: its station on the tangent and the
// layout line's offset from it.
void WriteParallelToTangent(EngineRun& run, const std::string& tangentText, const TextPair& station,
                            double offset);

// The reference line on the layout line: its HCL station and offset, and
// the listed X and Y of the origin.
void WriteReferenceOnLayoutLine(EngineRun& run, const TextPair& station, double offset,
                                double transX, double transY);

// Two empty records, the title and the two names, without page control.
void WriteFlaredBentNames(EngineRun& run, const std::string& initial, const std::string& terminal);

}  // namespace quillon::engine

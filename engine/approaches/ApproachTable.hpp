// The ROADWAY APPROACHES table: one block of rows per offset, the back list
// in the left half and the ahead list in the right half (a single list
// stands in the left half), on pages of its own.
//
// Listing columns (the carriage-control column is 1): a half holds the
// station (8 characters: whole feet, or whole metres in QlMetr), the offset
// and the elevation (F12.4 each, feet or metres) and the 10-character cross
// slope; the left half at 7-14, 15-26, 27-38 and 43-52, the right half at
// 82-89, 90-101, 102-113 and 118-127. A row with the left half only ends
// after column 52; one with the right half only is blank up to column 81.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/alignment/AlignmentState.hpp"
#include "engine/approaches/ApproachCard.hpp"
#include "engine/approaches/ApproachStations.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// The offsets of the card in ascending order, each once: a blank field is
// left out, and so is an offset less than 0.000001 ft above the one taken
// before it. A punched 0 is used.
std::vector<double> ApproachOffsets(const RoadApproachCard& card);

// Rows r = 1, 1 + step, ... are listed. Every row (a step of 1), but after a
// fatal error of the run (runError) only the first and last rows of the back
// list: a step of N1 - 1, or rows - 1 when the back list holds one station or
// none; never below 1.
int ApproachRowStep(bool runError, int backEntries, int rows);

// One half of a row, as printed.
struct ApproachHalf {
    std::string station;     // 8 characters
    double offset = 0.0;     // feet, or metres in QlMetr
    double elevation = 0.0;  // feet, or metres in QlMetr
    std::string crossSlope = std::string(10, ' ');
};

// The half of a station (internal distance) at an offset (feet): the
// station text, and the elevation and cross slope at the point.
ApproachHalf MakeApproachHalf(const RunState& state, const AlignmentState& alignment,
                              const std::string& stationText, double offset, double station);

// The first 8 characters of the station text of an internal distance.
std::string ApproachStationText(const RunState& state, const Stationing& stationing,
                                double station);

std::string ApproachRow(const std::optional<ApproachHalf>& back,
                        const std::optional<ApproachHalf>& ahead);

// The 4 header lines: empty, title, captions, empty.
std::vector<std::string> ApproachTableHeader();
// The 3 lines of the note over an abbreviated table.
std::vector<std::string> AbbreviationNote();

// Writes the blocks of every offset. The table counts its own lines: a page
// holds at most PageLength - 4 rows and empty lines under its header; a
// block is followed by an empty line while the page has room. After the
// table (when there is an offset) the next output starts a new page.
void WriteRoadwayApproachTable(EngineRun& run, const AlignmentState& alignment,
                               const ApproachStationLists& lists,
                               const std::vector<double>& offsets);

}  // namespace quillon::engine

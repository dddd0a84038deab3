// The project-coordinate listing (.pcf): a short header, then every line of
// the geometry listing, the coordinate rows and the headings of the
// bent-line intersection table widened by a 25-column block after column 85.
//
// Each listing line is cut into P1 = columns 1-60, P2 = columns 61-85 (padded
// with blanks to 25 columns when a block is inserted) and P3 = the rest of the
// line. A line of at most one character, or one that holds "ECTS REF LINE" or
// "ON TANGENT", is written as it stands; otherwise the first rule that P2 meets
// decides:
//   holds "FROM LAYOUT LINE "       P1 P2 "    PROJECT COORDINATES  " P3
//   holds " OFFSET     ORDINATE"    P1 P2 "   NORTHING      EASTING " P3
//   holds ":"                       P1 P2 25 blanks P3
//   holds "     X          Y    "   P1 P2 "   NORTHING      EASTING " P3
//   a coordinate row                P1 P2 northing F12.4, blank, easting F12.4, P3
// and any other line is written as it stands.
//
// A coordinate row has a "." in column 67 or 68 and a "." in column 79 or 80.
// Its X is the number that ends in column 71, taken back to column 60 but not
// past a blank or a ")" (the fractional-point text of a bent-line row closes
// in column 61); its Y is the number that ends in column 83, taken back to
// column 72 in the same way. A coordinate row whose X or Y is not a number is
// written as it stands.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "converters/projcoord/ProjectCoordinates.hpp"

namespace quillon::converters::projcoord {

// True when the line, after its leading blanks, begins with a word whose first
// nine characters are "STRUCTURE" (the heading line of the listing's first page).
bool CheckStructureLine(std::string_view line);

// The "." test of a coordinate row (above).
bool IsCoordinateRow(std::string_view line);

struct LayoutPoint {
    double x = 0.0;  // feet, from the layout line
    double y = 0.0;  // feet, the ordinate
};

// X and Y of a coordinate row; nothing when either is not a number.
std::optional<LayoutPoint> ReadLayoutPoint(std::string_view line);

// One listing line as the project-coordinate listing writes it (without its
// line end).
std::string ProjectListingLine(std::string_view line, const ProjectFrame& frame);

// What the header shows of a run.
struct ProjectRunValues {
    std::string runTimeText;  // asctime form, with its newline
    double northingOffset = 0.0;
    double eastingOffset = 0.0;
    Bearing bearing;
};

// The header, ending in the form feed after the bearing line (the listing's
// first line follows on the same line).
std::string ProjectListingHeader(const ProjectRunValues& values);

// The header and every line of the listing, each line ended with a newline.
std::string WriteProjectListing(const ProjectRunValues& values, const ProjectFrame& frame,
                                const std::vector<std::string>& lines);

}  // namespace quillon::converters::projcoord

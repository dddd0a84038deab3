// The three stick-figure files of QlStFi, each written into memory (one
// record a line) and handed back whole for the caller to write. Every point
// record written also prints one "." on the console.
//
// S5000 file (.DQ), point text "x,y,Zz" with four decimals:
//   "DP,a,b:c,d" (the display window: smallest first axis, smallest second,
//   largest first, largest second; six decimals), an empty line, "MP,N", "*D";
//   per longitudinal line with a drawn row: its style ("LS,W,4" "PS,2" for a
//   girder that does not follow a girder, "LS,W,2" "PS,5" for an edge,
//   "LS,W,10" "PS,7" for a "CONT" line, none otherwise), "*' name", then
//   "SM,," with the start point extended outward, each drawn point and the
//   end point extended outward, as "point,2:\" records closed by "point,2"
//   and an empty line;
//   per transverse line of two or more points: "LS,W,2" "PS,5" (bent face) or
//   "LS,W,4" "PS,2", then its points as a line above;
//   the alignment points: "LS,W,4" "PS,2" before the first, each as an empty
//   line and "PO,point"; last "MP,Y" and "*U".
//
// DXF file (.DXF): each group code and each value a line; comments, then one
// ENTITIES section of 3D polylines (flag 8, vertices flag 32): one per
// longitudinal line with a drawn row, vertices its drawn points with the last
// one doubled, on layer BROKEN (a name holding "WEB" or "GIR"), OUTLINE (an
// edge), BROKEN ("CONT" or "CTRL") or OUTLINE (any other); one per transverse
// line of two or more points, the same way, on layer BROKEN. Coordinates with
// six decimals. No value holds a line end: CR and LF are dropped from the
// texts of the comments.
//
// GENIO file (.MOSS): "GENIO, name", the format records, then one string per
// longitudinal line with a drawn row whose name is a girder ("GIR": GR),
// an edge (its first letter and O) or a control line ("CONT", "CTRL": CO),
// numbered by the line's place in the listing: a header record, its drawn
// points as 3F12.3 and the end record; last "999".
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "converters/stick/StickFigure.hpp"

namespace quillon::converters::stick {

std::string WriteS5000(const BridgeFile& bridge, std::ostream& console);

// What the comments at the head of the DXF file show.
struct DxfHeader {
    std::string runTimeText;  // asctime form; its newline is dropped
    std::string user;         // USER
    std::string bridgeFile;   // the listing's absolute path
};

std::string WriteDxf(const BridgeFile& bridge, const DxfHeader& header, std::ostream& console);

// The name a GENIO file gives its job: the listing's file name (no folders)
// cut before its first ".", at most its first 4 characters.
std::string GenioName(std::string_view listingName);

std::string WriteGenio(const BridgeFile& bridge, std::ostream& console);

}  // namespace quillon::converters::stick

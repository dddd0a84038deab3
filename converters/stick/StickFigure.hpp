// The stick figure of one structure as QlStFi takes it from the geometry
// listing: the longitudinal lines (girders, webs, roadway edges, control
// lines) with the rows kept of their tables, the transverse lines through
// their bent-line crossings, the extents of the figure and the display window
// of the S5000 file.
//
// Lengths are the listing's (feet from QlEngl, metres from QlMetr): x and y
// the X and Y from the layout line, z the ELEVATION at finished grade.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::converters::stick {

// The rows kept of a longitudinal table, by how the row starts (the text
// after the carriage-control column):
//   "CL" with "PIER", "ABUT", "BRG", "DIA" or "TEMP" in its name (tested in
//   that order), "CL" with none of them, "SP", a fractional-point label
//   ("    F-", "    X-", "    D-", "    E-"), "BF", "WW", "RET", "PT", "PC",
//   "PS".
enum class RowKind {
    Pier,    // also counts a support
    Splice,  // also counts a splice
    FractionalPoint,
    Abutment,
    Bearing,
    Diaphragm,
    TemporarySupport,
    OtherCrossing,  // "CL" without any of the words above
    BentFace,
    WingWall,
    RetainingWall,
    AlignmentPoint,  // PT, PC, PS: single points of the S5000 file only
};

// Drawn on its line: piers, fractional points, abutments, bearings,
// diaphragms, temporary supports, other crossings and bent faces.
bool IsDrawn(RowKind kind);

// Part of a transverse line: piers, abutments, bearings, diaphragms,
// temporary supports and bent faces.
bool IsInTransverseLine(RowKind kind);

struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct ListingRow {
    RowKind kind = RowKind::OtherCrossing;
    std::string text;             // the listing line as read
    std::optional<Point3> point;  // none: X, Y or ELEVATION blank or not a number
};

struct LongitudinalLineEntry {
    std::string name;              // the table's title: left-trimmed, cut to 32, right-trimmed
    int pointsPerSpan = 0;         // 10 or 20 when the fractional points tell it, else 0
    int supportCount = 0;          // pier rows
    int spliceCount = 0;           // splice rows
    std::vector<ListingRow> rows;  // the rows kept, in listing order
};

// The points of the rows drawn on the line (rows without coordinates left out).
std::vector<Point3> DrawnPoints(const LongitudinalLineEntry& line);

// The points of every row kept, whatever its kind: the neighbours that extend
// a drawn line's ends.
std::vector<Point3> KeptPoints(const LongitudinalLineEntry& line);

// A bent line drawn across the longitudinal lines: one point from each line
// that crosses it, in line order.
struct TransverseLine {
    std::string name;                  // the rows' description field (columns 2-11), trimmed
    RowKind kind = RowKind::Abutment;  // the kind of its first row
    std::vector<Point3> points;
};

// Smallest and largest x and y of every kept row with coordinates, starting
// from the first such row (all 0 when there is none).
struct Extents {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
};

// The window of the S5000 file, fitted to a screen of 800 by 480. When the
// figure is tall (height x 1.668 at least its width) the window's axes are
// exchanged: its first axis is y. The exchange concerns the window only.
struct DisplayWindow {
    bool exchanged = false;
    double firstMin = 0.0;
    double secondMin = 0.0;
    double firstMax = 0.0;
    double secondMax = 0.0;
};

struct BridgeFile {
    std::string listingName;  // as opened
    std::vector<LongitudinalLineEntry> lines;
    std::vector<TransverseLine> transverseLines;
    Extents extents;
    DisplayWindow window;
};

// The kind of a listing row, or nothing for a row that is not kept.
std::optional<RowKind> ClassifyRow(std::string_view row);

// x from X (columns 60-71), y from Y (72-83) and z from ELEVATION (41-50),
// each read from its whole field; nothing when one is blank or not a number.
std::optional<Point3> ReadRowPoint(std::string_view row);

// The name of the bent line a row crosses: its description field, trimmed.
std::string BentLineName(std::string_view row);

// The extents, the display window and the transverse lines of the figure,
// from its longitudinal lines.
void ComputeExtents(BridgeFile& bridge);

// End point P moved outward from its neighbour Q by a tenth of their
// distance: P + (P - Q) / 10 in x, y and z.
Point3 ExtendEndPoint(const Point3& end, const Point3& neighbour);

// What the name of a line says of its style (letter case as written).
bool NameHolds(std::string_view name, std::string_view part);
// A roadway edge: "RO" or "LO", or "RIGHT" with "OUT", or "LEFT" with "OUT".
bool IsEdgeName(std::string_view name);

}  // namespace quillon::converters::stick

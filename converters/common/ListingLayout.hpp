// What the converters read back of a geometry listing: the texts that mark
// pages and tables, and the columns of a row of a longitudinal line table.
//
// Column numbers count the carriage-control column as column 1, as the
// listing is written. A row of a longitudinal line table:
//
//   columns   field          as written
//   2-11      point name     bent-line description or point label ("    F-3")
//   15-27     station        13-character station text
//   28-38     offset         F11.4
//   41-50     elevation      F10.4 (the thousands digit in column 42)
//   51-59     ELEV+DL        a blank and characters 3-10 of an F10.4 (three
//                            integer digits: the thousands digit is not printed)
//   60-71     X              F12.4
//   72-83     Y              F12.4
//   85-97     bent length
//   98-110    skew
//   111-122   girder length  F12.4
//   124-133   cross slope
#pragma once

#include <string>
#include <string_view>

namespace quillon::converters::listing {

// The first title-block line of every page (on pages from 2 on it follows a
// blank and a form feed on the same line).
inline constexpr std::string_view kPageMarker = "State  of  Vandemor";
// The heading line of every page, which carries the structure ID and the
// section number.
inline constexpr std::string_view kStructureMarker = "STRUCTURE ID:";
// In columns 31-36 of the title of a table continued from the page before.
inline constexpr std::string_view kContinuationMarker = "(CONT)";
// In the first line of the heading of a bent-line intersection table, which
// opens the tables of every line set.
inline constexpr std::string_view kBentLineTableMarker = "INTERSECTION POINT";
// The column header of a longitudinal line table, from column 2 on.
inline constexpr std::string_view kLongitudinalHeader =
    "BENT LINE        STATION       OFFSET   ELEVATION  ELEV+DL        X";

// The caption of a field in the column header, and its first column there.
struct Caption {
    std::string_view text;
    int first = 0;
};

struct RowField {
    int first;        // first column
    int width;        // columns
    Caption caption;  // over the field in the column header
};

inline constexpr RowField kPointName{2, 10, {"BENT LINE", 2}};
inline constexpr RowField kStation{15, 13, {"STATION", 19}};
inline constexpr RowField kElevation{41, 10, {"ELEVATION", 42}};
inline constexpr RowField kThousandsDigit{42, 1, {"ELEVATION", 42}};  // of the elevation
inline constexpr RowField kElevationWithDeadLoad{52, 8, {"ELEV+DL", 53}};
inline constexpr RowField kX{60, 12, {"X", 68}};
inline constexpr RowField kY{72, 12, {"Y", 79}};
inline constexpr RowField kGirderLength{111, 12, {"GIRDER LNTH", 113}};

// The field's columns of a row, padded with blanks where the row is shorter.
std::string FieldText(std::string_view row, RowField field);

// True when the column header holds the field's caption in its columns: a
// listing whose columns were moved (a listing with project coordinates put
// in after column 85) does not.
bool HeaderHoldsCaption(std::string_view header, RowField field);

// A fractional point of a girder line: four blanks, then "F-", "X-", "D-"
// or "E-" in columns 2-7.
bool IsFractionalPointRow(std::string_view row);

// The points per span a fractional-point row tells, given the count so far:
// 20 when "-19" follows its letter, 10 when "-9 " does and the count is not
// already 20, else the count unchanged.
int PointsPerSpanAfter(std::string_view row, int pointsPerSpan);

}  // namespace quillon::converters::listing

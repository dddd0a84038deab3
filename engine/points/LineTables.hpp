// The two kinds of table a line set lists: the BentLineIntersectionTable
// (where the bent lines cross the horizontal control, the layout line and
// its tangents, one BentLineGroup each) and one LongitudinalLineTable per
// girder line. Their headings, group titles, line titles with the line-type,
// offset and elevation-shift texts, the row layouts, the point labels and
// the page breaks of the rows; the values in the rows belong to the points.
//
// Columns count from 1, column 1 being the carriage-control blank. The
// converters read these tables back by their columns and markers ("(CONT)"
// in columns 31-36, the labels "    E-" ... in columns 2-7), so every column
// here binds both builds. Lengths passed in are feet; QlMetr prints metres
// (millimetres for the elevation shift).
#pragma once

#include <array>
#include <span>
#include <string>

#include "engine/linesets/LineSetState.hpp"
#include "engine/points/PointRecords.hpp"
#include "engine/run/EngineRun.hpp"
#include "engine/run/StationText.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

// What the tables keep between their calls within a line set.
struct LineTableState {
    // LineTitleTexts 1-10, ten characters each: 1-2 the line's name, 3 the
    // continuation marker, 4-6 the line-type text, 7-8 the offset texts,
    // 9-10 the elevation-shift texts. WriteContinuationTitle repeats them.
    std::array<std::string, 10> titleTexts{kBlankTen, kBlankTen, kBlankTen, kBlankTen, kBlankTen,
                                           kBlankTen, kBlankTen, kBlankTen, kBlankTen, kBlankTen};
    int groupCountdown = 0;  // BentLineGroups still allowed on this page
    int groupsPerPage = 1;
    bool firstShiftSet = false;  // the first longitudinal line of the line set is titled
    double firstShift = 0.0;     // its elevation shift, feet
};

// The type 4 values a type 4 line's title is made from (feet, fractions).
struct Type4TitleValues {
    double baseOffset = 0.0;        // the line of constant offset from the control
    double addedOffset = 0.0;       // the crown value (2k - 5) w + c
    double f1 = 1.0;                // sqrt(1 + s1^2), s1 the first row's right cross slope
    double f2 = 0.0;                // s1
    geometry::Pair unit{1.0, 0.0};  // (cos, sin) of the average cross slope's angle
};

// The elevation shifts of the line set's lines differ when they are this
// far apart or more (feet); below this size a shift counts as none.
inline constexpr double kShiftsDiffer = 0.00021;
inline constexpr double kNoShift = 0.000008;

// The table heading on a new page and the horizontal-control group title;
// starts the line set's groups per page, (PageLength - 4) div
// (rowsPerGroup + 4) and at least 1, and its first shift.
void WriteBentLineTableHeading(ListingWriter& out, LineTableState& tables, int rowsPerGroup);

// The title of a further group: kind < 0 layout line, 0 back tangent, > 0
// ahead tangent; on a new page with the table heading again when the page
// holds its groups per page.
void WriteBentLineGroupTitle(ListingWriter& out, LineTableState& tables, int kind);

// A new page with the title and header the last title writer left ("(CONT)"
// in columns 31-36).
void WriteContinuationTitle(ListingWriter& out, const LineTableState& tables);

// The title of a girder line on a new page, and its table header. Checks
// the line's elevation shift against the line set's first one (unless the
// fatal flag is set): AuxOutputStatus 'E' when they differ by 0.00021 ft or
// more. A type 4 line's title also makes the line's offset rule:
// TerminalOffset becomes the nominal offset d, InitialOffset the offset
// listed, and `normalShift` its shift normal to the deck (feet).
void WriteLongitudinalTitle(EngineRun& run, LineTableState& tables, GirderLine& line,
                            const Type4TitleValues& type4, double& normalShift);

// Slot 1 of a point: four blanks, the letter, "-" and the absolute number
// (I4, asterisks from 10000 on), blanks squeezed out: "    E-12  ".
std::string MakePointLabel(char letter, long long number);
void WritePointLabel(std::span<char, 10> label, char letter, long long number);

// The values of a row of the horizontal-control group (lengths feet).
struct BentLineRowValues {
    std::string description;  // 10 characters
    TextPair station;         // station text
    double offset = 0.0;
    std::string elevation;         // 10 characters
    std::string fractionalPoints;  // 10 characters
    double x = 0.0, y = 0.0;       // printed layout coordinates
    double bentLength = 0.0;       // from the Y axis
    TextPair skew;                 // angle text
    double girderLength = 0.0;     // from the reference line
    std::string crossSlope;        // 10 characters
};

// 1X A10 3X A10 A3 F11.4 2X A10 1X A10 F10.4 F12.4 F13.4 1X A10 A3 F12.4 1X A10,
// lengths converted in QlMetr.
std::string BentLineRow(const RunState& state, const BentLineRowValues& row);

// A stored point's row: 1X A10 3X A10 A3 A10 A3 A10 A9 A10 A2 4(A10 A3) A10.
fixedform::Record LongitudinalRow(const PointRecord& record);

// The row before which the horizontal-control group goes on on a new page:
// every (PageLength - 7)-th row.
inline bool ControlGroupBreaksBefore(int row, int pageLength) {
    const int rows = pageLength - 7;
    return rows > 0 && row % rows == 0;
}

// The page breaks of the n rows of one longitudinal line: at most
// PageLength - 5 rows a page, and the last three rows never split.
class LongitudinalRowPager {
public:
    LongitudinalRowPager(int rows, int pageLength)
        : rows_(rows), pageLength_(pageLength), free_(pageLength - 5) {}
    // Before row i (1 to n): true when a continuation title goes first.
    bool BreakBefore(int i) {
        bool brk = false;
        if (free_ <= rows_ - i && (free_ <= 0 || rows_ - i <= 2)) {
            free_ = pageLength_ - 5;
            brk = true;
        }
        --free_;
        return brk;
    }

private:
    int rows_;
    int pageLength_;
    int free_;
};

}  // namespace quillon::engine

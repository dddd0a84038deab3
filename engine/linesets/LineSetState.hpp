// The state of the line sets of one Problem: the tables the 04-07 cards fill
// (girder lines, bent lines, dead-load records), the reference line, the
// layout line and the marks and choices the later steps read.
//
// Lifetime: a fresh LineSetState starts every Problem (so
// sameReferenceAllowed starts clear). StartLineSet renews it for each line
// set; a line set that reuses the previous reference line keeps the
// reference line, the layout line and slot 1.
//
// Units: lengths feet, angles radians (a skew to the left is negative),
// stations internal (feet from the TS). Points, directions and lines are the
// pairs and foot forms of engine/geometry. Indexes of girder lines and bent
// line slots count from 1, as the listing names them; 0 means none.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/geometry/Pair.hpp"
#include "engine/linesets/LineOrderState.hpp"

namespace quillon::engine {

using geometry::Pair;

inline constexpr int kMostGirderLines = 99;
inline constexpr int kMostBentLines = 80;  // the 06 cards fill slots 2 to 81
inline constexpr int kMostDeadLoadCards = 200;
// A deflection that is not given (a deflection is present when it is 9000.0
// or less).
inline constexpr double kNoDeflection = 9900.0;
inline constexpr int kTenthPoints = 11;  // deflections at tenth points 0 to 10

// The marks of TangentsUsed, set with OR.
inline constexpr int kAheadTangentMark = 1;
inline constexpr int kBackTangentMark = 2;

// 05 column 3.
enum GirderLineType {
    kParallelToControl = 0,
    kSegmentedLine = 1,
    kParallelToLayout = 2,
    kFlaredLine = 3,
    kOffsetVariesWithSuper = 4,
};

// 05 columns 12 and 21.
enum OffsetType {
    kNoTerminalOffset = 0,
    kBentFromLayoutLine = 1,
    kNormalFromLayoutLine = 2,
    kBentFromControl = 3,
    kNormalFromControl = 4,
    kNormalFromBase = 5,
    kType4TerminalOffset = 8,  // allowed on a type 4 line
};

// 06 column 11.
enum DistanceType {
    kOnControl = 0,
    kOnLayoutLine = 1,
    kOnBackTangent = 2,
    kOnAheadTangent = 3,
    kNormalToReference = 4,
    kNotADistanceType = 5,
    kNormalOffset = 6,
    kSegmentChordLength = 7,
};

// 06 column 21 and 04 column 24 (what a skew is measured from).
enum SkewType {
    kDefaultSkew = 0,
    kSkewFromControl = 1,
    kSkewFromLayoutLine = 2,
    kSkewFromBackTangent = 3,
    kSkewFromAheadTangent = 4,
};

// 04 column 26.
enum LayoutLineCode {
    kBackTangentLayout = 1,
    kChordLayout = 2,
    kAheadTangentLayout = 3,
};

// 04 column 14.
enum StationOn {
    kStationOnControl = 0,
    kStationOnBackTangent = 1,
    kStationOnAheadTangent = 2,
    kSameReferenceLine = 3,
};

// FractionalPointKind of a bent line.
enum FractionalPointKind {
    kNoFractionalPoints = -2,
    kSingleFractionalPoint = 0,  // a count below 1.001
    kEqualParts = 1,
    kSpacingFromBent = 2,
    kSpacingFromNextBent = 3,
};

// Column-43 code of "*": no fractional points, no selection letter.
inline constexpr int kStarSelection = 61;
inline constexpr int kNoSelection = -1;

inline const std::string kBlankTen(10, ' ');

struct GirderLine {
    int lineType = kParallelToControl;
    double initialOffset = 0.0;  // feet
    int initialOffsetType = 0;
    double terminalOffset = 0.0;  // feet
    int terminalOffsetType = kNoTerminalOffset;
    // Feet for line types below 4 (inches on the card); as punched on type 4.
    double elevationShift = 0.0;
    std::array<std::string, 2> description{kBlankTen, kBlankTen};  // columns 30-39, 40-49
    // Option codes: CharacterCode of the column; in columns 50, 51, 55, 56
    // and 57 any punch counts as set ("0" reads as "1").
    int baseLineCode = 0;        // 50: base line of the segmented girder lines
    int chordCode = 0;           // 51: chord of the layout line
    int exteriorCode = 0;        // 52: exterior girder designation
    int xTypeRequestCode = 0;    // 53: the designation whose X-type points it takes
    int xPointRequest = 0;       // set by the segmented girder lines
    int deadLoadCode = 0;        // 54: the girder code of its 07 cards
    int optionCode = 0;          // 55: kept (camber cutting diagram)
    int suppressCode = 0;        // 57: suppress the listing of this line
    int constantOffsetCode = 0;  // 56: line of constant offset of the type 4 lines
};

struct GirderLineTable {
    std::vector<GirderLine> lines;    // in deck order, at most 99
    int count = 0;                    // lines in use (cut by faults)
    std::array<int, 5> typeCounts{};  // lines of LineType 0-4
    GirderLine& Line(int i) { return lines[static_cast<size_t>(i - 1)]; }
    const GirderLine& Line(int i) const { return lines[static_cast<size_t>(i - 1)]; }
};

struct BentLine {
    double distance = 0.0;  // BentDistance, feet
    int distanceType = kOnControl;
    int skewType = kDefaultSkew;
    double skew = 0.0;              // radians, signed
    double fractionalPoints = 0.0;  // absolute value
    int fractionalPointKind = kNoFractionalPoints;
    std::string description = kBlankTen;  // BentDescription
    std::string options = "    ";         // columns 39-42
    std::string selection = kBlankTen;    // columns 43-52
    int selectionCode = kNoSelection;     // column 43
    int deadLoadCode = 0;                 // column 44
    int definesReference = 0;             // column 45: the letter this bent line defines
    int hangsOnReference = 0;             // column 46: the letter it hangs on
    int column47Code = 0;                 // "B"/"b" 1, "S"/"s" 2, else 0
    bool suppressed = false;              // no-listing flag
    bool noBreak = true;                  // does not break the segmented girder lines

    // Where the line lies, once located.
    Pair foot{0.0, 0.0};         // the line, foot form
    double sigma = 0.0;          // orientation sign / |foot|: sigma * foot is a unit normal
    double skewUsed = 0.0;       // radians, at its crossing with the control
    Pair crossing{0.0, 0.0};     // its crossing with the control
    double station = 0.0;        // the crossing's station
    Pair layoutPoint{0.0, 0.0};  // its point on the layout line (segmented girder lines)
};

struct BentLineTable {
    std::vector<BentLine> slots;  // slot 1 is the reference line; 06 cards fill 2 on
    int Count() const { return static_cast<int>(slots.size()); }
    BentLine& Slot(int k) { return slots[static_cast<size_t>(k - 1)]; }
    const BentLine& Slot(int k) const { return slots[static_cast<size_t>(k - 1)]; }
};

// Bent lines in processing order, with the station of each (built by the
// segmented girder lines).
struct BentOrderEntry {
    int slot = 0;
    double station = 0.0;
};

struct DeadLoadRecord {
    // Columns 3-6 and six blanks: 3 girder code, 4 bent line code (not blank
    // on the initial card of a set), 5 units ("F"/"f" feet, else inches).
    std::string label = kBlankTen;
    std::array<double, kTenthPoints> deflections{};  // feet; kNoDeflection when not given
    int cardCount = 0;                               // on the initial record of a set: its cards
};

struct DeadLoadTable {
    std::vector<DeadLoadRecord> records;  // deck order, at most 200
};

// The 04 card's fields and the reference line placed from them.
struct ReferenceLine {
    // As read (the straight-control and range steps may change the codes).
    double cardStation = 0.0;  // columns 3-13, deck station
    int staOn = kStationOnControl;
    double skew = 0.0;  // columns 15-23, radians, signed
    int skewRespTo = 0;
    int defaultSkewColumn = 0;  // column 25
    int layoutLineIs = 0;
    char breakColumn = ' ';         // 27: the reference line breaks segmented lines
    char suppressColumn = ' ';      // 28: the reference line is not listed
    char patternShiftColumn = ' ';  // 29: girder pattern shift option
    int revLayoutLine = 0;          // column 30: CharacterCode - 27
    char xZeroColumn = ' ';         // 31: X-0 points requested
    char column32 = ' ';            // 32: kept
    double transX = 0.0;            // columns 41-49, feet
    double transY = 0.0;            // columns 50-58, feet
    Pair axisSign{1.0, 0.0};        // (-1, 0) for a reversed layout X axis
    bool decreasing = false;        // stationing listed decreasing

    // Placed.
    double station = 0.0;  // the reference station on the control
    Pair point{0.0, 0.0};  // its point on the control
    Pair foot{0.0, -1.0};  // the line, foot form ((0, -1) until placed)
    double sigma = 0.0;    // orientation sign / |foot|
    double skewUsed = 0.0;
    bool fromLayoutLine = false;  // its direction is left to the layout line
    int tangentMarks = 0;         // the TangentsUsed marks its placement set
};

// The layout line: a point Z of the HC frame has layout coordinates
// W = Z * dir + a (W = X + iY); Y grows with station along it.
struct LayoutLine {
    Pair foot{0.0, 0.0};  // the line, foot form
    Pair dir{1.0, 0.0};
    Pair a{0.0, 0.0};
};

struct LineSetState {
    // Lives from one line set to the next within a Problem: set by a
    // computed layout line, narrowed by each following 04 card.
    bool sameReferenceAllowed = false;
    bool reusing = false;  // this line set keeps the previous reference line

    ReferenceLine reference;
    LayoutLine layout;
    GirderLineTable girders;
    BentLineTable bents;
    DeadLoadTable deadLoad;
    std::vector<BentOrderEntry> bentLineOrder;

    int tangentsUsed = 0;         // kBackTangentMark | kAheadTangentMark
    int defaultSkewOption = 0;    // bent lines without a skew take the reference skew (1)
    int constantOffsetLine = -1;  // -1 no type 4 processing, 0 the control, else a girder line
    int chordGirderLine = 0;
    std::array<int, 2> chordBentLines{0, 0};  // slots: (larger |distance|, smaller)
    int flaredInitialBent = 0;                // slots of the flared offset bent lines
    int flaredTerminalBent = 0;
    bool flaredBentsLocated = false;
    int baseGirderLine = 0;  // first line with column 50 punched and kept
    bool patternShift = false;
    bool deadLoadUnreadable = false;  // an 07 card with a field that is not a number

    // Left by the segmented and type 4 girder lines.
    std::vector<int> girderOrder;  // girder lines in the order their points are computed
    LetterOwners letterOwners{};
    SegmentTable segments;
    FractionalSpans spans;
    Type4Values type4;
};

// The description of slot 1.
inline const std::string kReferenceLineName = "*REF LINE*";

// Renews the state for the next line set. With `reuse`, the reference line,
// the layout line and slot 1 stay; everything else starts afresh. The bent
// table then holds slot 1 alone.
inline void StartLineSet(LineSetState& state, bool reuse) {
    LineSetState fresh;
    fresh.sameReferenceAllowed = state.sameReferenceAllowed;
    fresh.reusing = reuse;
    if (reuse) {
        fresh.reference = state.reference;
        fresh.layout = state.layout;
        if (!state.bents.slots.empty()) fresh.bents.slots.push_back(state.bents.slots.front());
    }
    if (fresh.bents.slots.empty()) fresh.bents.slots.emplace_back();
    state = std::move(fresh);
}

}  // namespace quillon::engine

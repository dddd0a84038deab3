// The forms that hold repeated cards as rows: CrossTrans (the first 03 card
// and its override rows), GirderLine (05), BentLine (06) and DeadLoad (07).
// A row is one card; its members keep the names of the form's column
// controls, so row i of a column is rows[i].<control>. Default member values
// and the design row counts are the forms' start values.
//
// Rows are added one at a time at the end, with no limit, and never removed.
//
// A row read from a deck carries a mark, `readFromDeck`: it is written back
// even when its key box (station, description) is blank, as the deck held it.
// The mark belongs to the row's contents and moves with them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editor/deck/Choice.hpp"

namespace quillon::editor {

struct OverrideRow {
    std::string OverSta;    // "Station", station text; an empty station is not written
    std::string OverLeft;   // "Left Slope"
    std::string OverRight;  // "Right Slope"
    bool readFromDeck = false;
};

struct CrossTrans {
    static constexpr std::array<std::string_view, 4> kCrownTypeItems = {"A", "B", "C", "P"};
    static constexpr int kDesignOverrideRows = 6;

    Choice CrownType;            // "Crown Type:" list box
    std::string CrossSlope;      // "Nominal Cross-Slope:"
    std::string SuperRate;       // "Super Rate (e):"
    std::string PivotOffset;     // "Pivot Offset from Profile Line (-Left):"
    std::string InRunOut;        // "Transition In" "Run-Out:"
    std::string InTransLength;   // "Transition Length:"
    std::string InTransPer;      // "Percent of Transition:"
    std::string OutRunout;       // "Transition Out" "Run-Out:"
    std::string OutTransLength;  // "Transition Length:"
    std::string OutTransPer;     // "Percent of Transition:"
    std::string MaxTransVC;      // "Transition Vertical curve Maximum Length:"
    std::string CrownWidth;      // parabolic crown "Width:"
    std::string CrownHeight;     // parabolic crown "Height:" (inches, metric millimetres)
    std::string CrownLeft;       // crown "Left Slope:"
    std::string CrownRight;      // crown "Right Slope:"
    // The curve-length flag, which the engine reads and no control shows:
    // kept as read and written back in place.
    char CurveLengthFlag = ' ';
    std::vector<OverrideRow> OverRows = std::vector<OverrideRow>(kDesignOverrideRows);

    // "Add New Override": one more override row at the end.
    void AddOverRecord() { OverRows.emplace_back(); }
};

struct GirderLineRow {
    Choice Combo1;      // "Line Type": an index of GirderLine::kLineTypes
    std::string Text1;  // initial offset
    // "Offset Type" of the initial offset: four items, whose texts the row's
    // line type sets (GirderLineType.hpp).
    Choice Combo3;
    std::array<std::string, 4> Combo3Items;
    std::string Text2;  // terminal offset
    Choice Combo2;      // "Offset Type" of the terminal offset: GirderLine::kTerminalOffsetTypes
    // Combo2 and Text2 take edits (only a flared line has a terminal offset).
    bool TerminalEnabled = true;
    std::string Text3;            // elevation shift
    std::string Text4;            // description; a row without one is not written
    std::string Text13;           // "X-Type Frac. Points", two columns
    std::string Text16;           // "DL Char.", one column
    std::array<bool, 5> List1{};  // "Options", multiple selection: GirderLine::kOptions
    bool readFromDeck = false;
};

struct GirderLine {
    static constexpr std::array<std::string_view, 5> kLineTypes = {
        "Parallel to Horiz.", "Segmented", "Parallel to Layout", "Flared Girder Line",
        "Offset Varies"};
    static constexpr int kParallelToHoriz = 0, kSegmented = 1, kParallelToLayout = 2,
                         kFlaredGirderLine = 3, kOffsetVaries = 4;
    static constexpr std::array<std::string_view, 4> kTerminalOffsetTypes = {
        "Bent from LOL", "Norm. from LOL", "Bent from HCL", "Norm. from HCL"};
    static constexpr std::array<std::string_view, 5> kOptions = {
        "Girder lines Parallel", "Layout line is a chord", "Camber cutting diagram",
        "Type 4 constant offset", "Suppress listing"};
    static constexpr std::string_view kLineTypePrompt = "Line Type";
    static constexpr std::string_view kOffsetTypePrompt = "Offset Type";
    static constexpr int kDesignRows = 20;

    std::vector<GirderLineRow> rows = DesignRows();
    int CurrentRow = 0;  // the row whose control last lost the focus

    // "Add New Row": one more row at the end. Its Combo3 offers the items
    // that row 0's Combo3 offers now; nothing is chosen in it.
    void AddRecord();

    static std::vector<GirderLineRow> DesignRows();
};

struct BentLineRow {
    std::string Text1;            // distance
    Choice Combo1;                // "Distance Type": BentLine::kDistanceTypes
    std::string Text7;            // skew direction, "L" on the design rows
    std::string Text2;            // skew, angle text
    Choice Combo2;                // "Skew Type": BentLine::kSkewTypes
    std::string Text3;            // fractional points
    std::string Text4;            // description; a row without one is not written
    std::string Text5;            // selected intersection, one column
    std::string Text6;            // dead-load flag, one column
    std::string Text8;            // secondary reference, two columns
    std::array<bool, 4> List1{};  // "Options", multiple selection: BentLine::kOptions
    // The columns behind the secondary reference that the engine reads and no
    // control shows: kept as read and written back in place.
    std::string HiddenCodes;
    bool readFromDeck = false;
};

struct BentLine {
    static constexpr std::array<std::string_view, 7> kDistanceTypes = {
        "Horiz. Control", "Layout Line",   "Back Tangent",     "Ahead Tangent",
        "Normal to Ref.", "Normal Offset", "Seg. Chord Length"};
    static constexpr std::array<std::string_view, 5> kSkewTypes = {
        "Default", "Horiz. Control", "Layout Line", "Back Tangent", "Ahead Tangent"};
    static constexpr std::array<std::string_view, 4> kOptions = {
        "Break Girder Lines", "Flared Girder Offsets", "Chord Layout Line", "Suppress Listing"};
    static constexpr std::string_view kDistanceTypePrompt = "Distance Type";
    static constexpr std::string_view kSkewTypePrompt = "Skew Type";
    static constexpr int kDesignRows = 20;

    std::vector<BentLineRow> rows = DesignRows();
    int CurrentRow = 0;

    // "Add Row": one more row at the end, all empty (also its skew direction).
    void AddRecord() { rows.emplace_back(); }

    static std::vector<BentLineRow> DesignRows();
};

struct DeadLoadRow {
    std::string Text1;   // girder code
    std::string Text2;   // bent line code
    std::string Text14;  // units letter
    // Deflections at tenth points 0 to 10 (Text3 to Text13).
    std::string Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12, Text13;
    // The label character behind the units letter, which the engine keeps and
    // no control shows: kept as read and written back in place.
    char HiddenCode = ' ';

    // Deflection at tenth point k (0 to 10): Text3 + k.
    std::string& Deflection(int k);
    const std::string& Deflection(int k) const;
    // All fourteen boxes are empty (a blank is not empty).
    bool IsEmpty() const;
};

struct DeadLoad {
    static constexpr int kDesignRows = 20;
    static constexpr int kTenthPoints = 11;

    std::vector<DeadLoadRow> rows = std::vector<DeadLoadRow>(kDesignRows);
    int CurrentRow = 0;

    // "Add Row": one more row at the end.
    void AddRecord() { rows.emplace_back(); }
};

}  // namespace quillon::editor

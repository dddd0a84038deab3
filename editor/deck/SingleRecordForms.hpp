// The five forms that hold a card group occurring once per deck: Description
// (the first card and the 00 cards), Horizontal (01), Vertical (02), RefLine
// (04) and RoadAppr (08). Members keep the forms' control names; texts are
// the deck's single-byte characters (the degree sign is byte 176), as the
// controls show them. Default member values are the forms' start values.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editor/deck/Choice.hpp"

namespace quillon::editor {

struct Description {
    std::string StructureID;  // "Structure ID:", columns 3-12 of the first card
    std::string ProjNum;      // "Project Number:"
    std::string SubAcc;       // "Subaccount:"
    std::string Designer;     // "Designer:"
    std::string Detailer;     // "Detailer:"
    std::string Location;     // "Location:"
    // "General Description:", one 00 card per line. Typed line ends (LF, CR,
    // CRLF) only separate lines: see SplitTypedLines.
    std::vector<std::string> GenDesc;
    // The units buttons "Metric" / "English" are DeckModel::MetricFlag.
};

// A typed multi-line text as lines: LF, CR and CRLF each end a line; a text
// that ends with a line end has no empty line after it ("" has no line).
std::vector<std::string> SplitTypedLines(std::string_view text);
// The lines joined with CRLF, as a multi-line text box shows them; the text
// splits back into the same lines.
std::string JoinLines(const std::vector<std::string>& lines);

struct Horizontal {
    bool Option1 = false;    // "Left"; neither direction is chosen at start
    bool Option2 = false;    // "Right"
    std::string Delta;       // "Combined Delta:", angle text
    std::string PIStation;   // "PI Station:", station text
    std::string Degree;      // "Degree:", angle text (English decks only)
    std::string Radius;      // "Radius:"
    std::string InSpiral;    // "In Spiral Length:"
    std::string OutSpiral;   // "Out Spiral Length:"
    std::string ProfOffset;  // "Profile Offset:" (negative values for left)
    std::string Back;        // station equation "Back:", station text
    std::string Ahead;       // station equation "Ahead:", station text

    // Sets one button of the direction group and clears the other.
    void ChooseLeft() {
        Option1 = true;
        Option2 = false;
    }
    void ChooseRight() {
        Option1 = false;
        Option2 = true;
    }
};

struct Vertical {
    std::string GradeIn;     // "% Grade In:", percent
    std::string InLength1;   // Vertical Curve #1 "In Length:"
    std::string OutLength1;  // "Out Length:"
    std::string PISta1;      // "PI Station:", station text
    std::string PIElev1;     // "PI Elevation:"
    std::string InLength2;   // Vertical Curve #2 "In Length:"
    std::string OutLength2;  // "Out Length:"
    std::string PISta2;      // "PI Station:", station text
    std::string PIElev2;     // "PI Elevation:"
    std::string GradeOut;    // "% Grade Out:", percent
};

struct RefLine {
    static constexpr std::array<std::string_view, 4> kStaOnItems = {
        "Horizontal Control", "Back Tangent", "Ahead Tangent", "Same Ref. as Before"};
    static constexpr std::array<std::string_view, 4> kSkewRespToItems = {
        "Horizontal Control", "Layout Line", "Back Tangent", "Ahead Tangent"};
    static constexpr std::array<std::string_view, 3> kLayoutLineIsItems = {"Back Tangent", "Chord",
                                                                           "Ahead Tangent"};
    static constexpr std::array<std::string_view, 4> kRevLayoutLineItems = {
        "Incr/Not", "Decr/Reversed", "Decr/Not", "Incr/Reversed"};

    std::string RefLineSta;   // "Reference Station:", station text
    Choice StaOn;             // "Station is on:"
    bool Option1 = true;      // skew "Left", chosen at start
    bool Option2 = false;     // skew "Right"
    std::string SkewAngle;    // "Angle:", angle text
    Choice SkewRespTo;        // "With Respect to:"
    bool Option3 = true;      // "Parallel to Ref. Line", chosen at start
    bool Option4 = false;     // "Same Skew as Ref. Line"
    Choice LayoutLineIs;      // "Layout Line Is:"
    Choice RevLayoutLine;     // "Reverse Layout Line:"
    std::string TransX;       // transform constant "X:"
    std::string TransY;       // transform constant "Y:"
    std::string LimitBegSta;  // valid data limits "Begin Station:", station text
    std::string LimitEndSta;  // "End Station:", station text
    bool Check1 = false;      // "Segmented Girder Lines to Be Broken at Reference Line"
    bool Check2 = false;      // "Supress Listing"
    bool Check3 = false;      // "Offset Option for Segmented Girder Pattern Shift"
    bool Check4 = false;      // "Request X-0 Points"

    void ChooseSkewLeft() {
        Option1 = true;
        Option2 = false;
    }
    void ChooseSkewRight() {
        Option1 = false;
        Option2 = true;
    }
    void ChooseParallelBentSkew() {
        Option3 = true;
        Option4 = false;
    }
    void ChooseSameBentSkew() {
        Option3 = false;
        Option4 = true;
    }
};

struct RoadAppr {
    std::string BegStr;                                    // "Begin Structure", station text
    std::string EndStr;                                    // "End Structure", station text
    std::string Length;                                    // "Approach Length"
    std::string Off1, Off2, Off3, Off4, Off5, Off6, Off7;  // "Offsets from Horizontal Control"
    // The 08 card was read from a deck: it is written back even when BegStr
    // is blank, as the deck held it.
    bool readFromDeck = false;
};

}  // namespace quillon::editor

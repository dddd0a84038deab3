// Decoding the alignment cards: the 01 horizontal curve, the 02 vertical PIs,
// the first 03 cross-slope card and its override rows, into the records of
// AlignmentCards.hpp. The columns and implied decimals of every field are the
// card layouts' (cards/CardLayouts.hpp); the tables here say what the engine
// makes of a field: its name in the listing, what a blank stands for, the
// percent scale. Every numeric field reads blanks as zeros unless its table
// says otherwise, and a field without a punched point has its implied
// decimals.
//
// A field that is not a number reads as 0 (or its blank default) and is
// reported back as the card's first failing field; the caller writes the
// card's fatal box. The other fields are still read.
#pragma once

#include <string>
#include <string_view>

#include "engine/alignment/AlignmentCards.hpp"

namespace quillon::engine {

// The first field of a card that did not read as a number.
struct FieldFailure {
    bool failed = false;
    int firstColumn = 0;
    int lastColumn = 0;
    std::string name;  // upper case, as the listing names it ("PI STATION")
};

// The message line of the fatal box that names the field:
// "INVALID NUMBER IN COLUMNS 13-23 (PI STATION)".
std::string FieldFailureText(const FieldFailure& failure);

// CrownCode of the crown type of the first 03 card: "A"/"a"/"1" 1,
// "B"/"b"/"2" 2, "C"/"c"/"3" 3, "D"/"d"/"4" 4, any other character (blank
// included) 5.
int CrownCodeOf(char crownType);

// 01: sets `present`, and `equationRead` when both equation stations read;
// delta and degree fields are held as absolute values.
FieldFailure ReadHorizontalAlignmentCard(std::string_view card, HorizontalAlignmentCard& out);

// 02: grades (percent on the card, held as fractions) and PI stations may be
// blank (not given); the PI texts are the 9 columns and one blank; at each PI
// one curve length given serves both sides.
FieldFailure ReadVerticalAlignmentCard(std::string_view card, VerticalAlignmentCard& out);

// The first 03 card: CrownCode, slopes and lengths, the pivot offset made
// positive with its side text ("RIGHT", blank or "LEFT", 10 characters).
// MaxTransVC is read only when CrownCode is not 5.
FieldFailure ReadCrossSlopeCard(std::string_view card, CrossSlopeCard& out);

// A further 03 card: station, the left-slope text (the field and five
// blanks) with its value when not blank, and the right slope.
FieldFailure ReadCrossSlopeOverrideCard(std::string_view card, CrossSlopeOverrideRow& out);

}  // namespace quillon::engine

// The fields of the 04-07 cards as the line sets read them, by the names of
// the card layouts (cards/CardLayouts.hpp): numbers with blanks as zeros and
// their implied decimals in a deck in feet, characters as punched.
//
// A numeric field that is not a number reads as 0 and the first such field
// is named in the FieldFailure the reader returns; the card's own rules
// (the line-set reader) decide what that costs. The other fields are still
// read. Columns 59-80 of the 04 card (the limits) belong to the alignment.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/alignment/AlignmentCardReader.hpp"
#include "engine/linesets/LineSetState.hpp"

namespace quillon::engine {

struct ReferenceLineFields {          // 04
    double station = 0.0;             // 3-13 F11.4, deck station
    int staOn = 0;                    // 14
    char skewDirection = ' ';         // 15: "L", "l" or "-" to the left
    double skewDegrees = 0.0;         // 16-17 F2.0
    double skewMinutes = 0.0;         // 18-19 F2.0
    double skewSeconds = 0.0;         // 20-23 F4.2
    int skewRespTo = 0;               // 24
    int defaultSkew = 0;              // 25
    int layoutLineIs = 0;             // 26
    char breakColumn = ' ';           // 27
    char suppressColumn = ' ';        // 28
    char patternShiftColumn = ' ';    // 29
    char reversedLayoutColumn = ' ';  // 30
    char xZeroColumn = ' ';           // 31
    char column32 = ' ';              // 32
    double transX = 0.0;              // 41-49 F9.4
    double transY = 0.0;              // 50-58 F9.4
};

// Columns 14, 25 and 27-29 of a 04 card that follows a line set directly:
// what a line set that reuses the reference line takes from its own card.
struct ReuseFields {
    int staOn = 0;
    int defaultSkew = 0;
    char breakColumn = ' ';
    char suppressColumn = ' ';
    char patternShiftColumn = ' ';
};

struct GirderLineFields {                                          // 05
    int lineType = 0;                                              // 3
    double initialOffset = 0.0;                                    // 4-11 F8.4
    int initialOffsetType = 0;                                     // 12
    double terminalOffset = 0.0;                                   // 13-20 F8.4
    int terminalOffsetType = 0;                                    // 21
    double elevationShift = 0.0;                                   // 22-29 F8.4
    std::array<std::string, 2> description{kBlankTen, kBlankTen};  // 30-39, 40-49
    std::string codes = std::string(8, ' ');                       // 50-57, one character each
};

struct BentLineFields {                   // 06
    double distance = 0.0;                // 3-10 F8.4
    int distanceType = 0;                 // 11
    char skewDirection = ' ';             // 12
    double skewDegrees = 0.0;             // 13-14 F2.0
    double skewMinutes = 0.0;             // 15-16 F2.0
    double skewSeconds = 0.0;             // 17-20 F4.2
    int skewType = 0;                     // 21
    double fractionalPoints = 0.0;        // 22-28 F7.4
    bool fractionDecimalsBlank = true;    // columns 25-28 blank
    std::string description = kBlankTen;  // 29-38
    std::string options = "    ";         // 39-42
    std::string selection = kBlankTen;    // 43-52
};

struct DeadLoadFields {                              // 07
    std::string label = "    ";                      // 3-6
    std::array<double, kTenthPoints> deflections{};  // 15-80, 11 F6.3
    std::array<bool, kTenthPoints> blank{};          // the six columns are blank
};

FieldFailure ReadReferenceLineFields(std::string_view card, ReferenceLineFields& out);
FieldFailure ReadReuseFields(std::string_view card, ReuseFields& out);
FieldFailure ReadGirderLineFields(std::string_view card, GirderLineFields& out);
FieldFailure ReadBentLineFields(std::string_view card, BentLineFields& out);
// A deflection that is not a number is named "DEFLECTION k" (k 0 to 10).
FieldFailure ReadDeadLoadFields(std::string_view card, DeadLoadFields& out);

}  // namespace quillon::engine

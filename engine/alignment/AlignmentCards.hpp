// The alignment cards of a Problem as read from the deck: the 01 horizontal
// curve, the 02 vertical PIs, the first 03 cross-slope card and its override
// rows, and the valid data limits of the first 04 card. Values are as read
// (lengths and stations in feet, deck stationing, slopes and grades as
// fractions); the computations turn stations into internal distances.
#pragma once

#include <string>
#include <vector>

namespace quillon::engine {

struct HorizontalAlignmentCard {  // 01, at most one per Problem
    bool present = false;         // an 01 card was read
    char curveDirection = ' ';    // "L", "l" or "-" is a curve to the left
    double deltaDegrees = 0.0, deltaMinutes = 0.0, deltaSeconds = 0.0;  // absolute values
    double piStation = 0.0;  // deck station of the PI; <= 2e-8: no curve
    double degreeDegrees = 0.0, degreeMinutes = 0.0, degreeSeconds = 0.0;  // degree of curve
    double inSpiral = 0.0;     // entering spiral length (<= 0.009: no spiral)
    double outSpiral = 0.0;    // leaving spiral length
    double profOffset = 0.0;   // horizontal control to profile control line, signed
    double radius = 0.0;       // used only when the degree of curve is zero
    double back = 0.0;         // back station of the equation; <= 0: none
    double ahead = 0.0;        // ahead station of the equation
    bool equationRead = true;  // false when the back or ahead station is not a number
};

struct VerticalAlignmentCard {  // 02, exactly one per Problem
    bool gradeInGiven = false;
    double gradeIn = 0.0;    // fraction (a 2.5 percent grade is 0.025)
    double inLength1 = 0.0;  // curve length before PI 1 (after the one-length rule)
    std::string piSta1Text;  // the 10 characters compared as they stand (9 columns + blank)
    bool pi1Given = false;
    double piSta1 = 0.0;  // deck station of PI 1
    double piElev1 = 0.0;
    double outLength1 = 0.0;
    double inLength2 = 0.0;
    std::string piSta2Text;
    bool pi2Given = false;
    double piSta2 = 0.0;
    double piElev2 = 0.0;
    double outLength2 = 0.0;
    bool gradeOutGiven = false;
    double gradeOut = 0.0;
};

struct CrossSlopeCard {                            // the first 03 card
    int crownCode = 5;                             // 1-4, or 5 for the parabolic crown
    double crossSlope = 0.0;                       // normal cross slope S, absolute value
    bool superRateGiven = false;                   // blank: no superelevation (" -NC- ")
    double superRate = 0.0;                        // E, absolute value
    double pivotOffset = 0.0;                      // profile control line to pivot, made positive
    std::string pivotSide = std::string(10, ' ');  // "RIGHT", "LEFT" or blank, 10 characters
    double inTransLength = 0.0;
    double inTransPer = 0.6;  // fraction of the entering transition on the tangent
    double outTransLength = 0.0;
    double outTransPer = 0.6;
    double maxTransVC = 50.0;  // absolute value; 50.0 when blank
    char vcLengthFlag = ' ';   // blank: the engine assigns missing vertical curve lengths
    double crownWidth = 0.0;   // parabolic crown width, or the crown fraction of code 3
    double crownHeight = 0.0;  // inches
    double crownLeft = 0.0;
    double crownRight = 0.0;
};

struct CrossSlopeOverrideRow {  // a further 03 card
    double station = 0.0;       // deck station, resolved when the table is built
    std::string leftText;       // the OverLeft field and five blanks, 10 characters
    double left = 0.0;
    double right = 0.0;
};

// A limit that no card has set lies this far (feet) from the internal
// origin, before it for the begin limit and past it for the end limit: no
// station of a deck comes near it. Its text is "UNLIMITED".
inline constexpr double kUnlimitedStation = 5.0e36;

// Stations between which elevations and cross slopes are valid (internal
// stations), with the texts of the LIMITS section, two 10-character halves
// each.
struct ValidDataLimits {
    double begin = -kUnlimitedStation;
    double end = kUnlimitedStation;
    std::string beginText[2] = {" * UNLIMIT", "ED *      "};
    std::string endText[2] = {" * UNLIMIT", "ED *      "};
    std::string beginLabel[2] = {std::string(10, ' '), std::string(10, ' ')};
    std::string endLabel[2] = {std::string(10, ' '), std::string(10, ' ')};
    bool valid = true;  // false after an invalid station equation

    void SetEmpty() {
        begin = 1.0;
        end = 0.0;
    }
};

struct AlignmentCards {
    HorizontalAlignmentCard horizontal;
    VerticalAlignmentCard vertical;
    CrossSlopeCard crossSlope;
    std::vector<CrossSlopeOverrideRow> overrides;  // sorted by station, at most 15
};

}  // namespace quillon::engine

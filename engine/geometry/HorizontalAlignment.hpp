// The horizontal control of a Problem: a back tangent, an optional curve
// system (entering spiral, circular arc, leaving spiral) at one PI, and an
// ahead tangent; and the computation of the curve from the values of the
// 01 card.
//
// Units: lengths feet, angles radians. Stations along the alignment are held
// as internal stations, the distance from the TS (the TS is at 0).
//
// HC frame: origin at the TS; y along the back tangent in the direction of
// increasing station; x to the right of it. A curve to the right has
// delta > 0 and radius > 0 and turns toward +x; a curve to the left has
// delta < 0, radius < 0 and direction factor f = -1.
//
// ST frame: origin at the ST, y along the ahead tangent in the direction of
// increasing station, x to its right. A point Z of the HC frame is
// Z' = Z * stFromHc + stOffset there, and Z = (Z' - stOffset) / stFromHc.
//
// A fresh record (HorizontalAlignment{}) is a horizontal tangent with its TS
// at station 0; each Problem starts from one.
#pragma once

#include "engine/geometry/Pair.hpp"

namespace quillon::geometry {

// A PI station not above this (feet) means the 01 card gives no curve.
inline constexpr double kCurvePIStationMinimum = 0.00000002;

// The station equation of the 01 card as the horizontal alignment holds it:
// at the back station the deck's stationing jumps by `length` (ahead minus
// back; negative for overlapping stationing). Stations in feet.
struct AlignmentEquation {
    int flag = 0;           // 1 when the card gives an equation
    int usedCount = 0;      // times the equation has been used
    double back = 0.0;      // back station, internal
    double length = 0.0;    // ahead minus back
    double backDeck = 0.0;  // back station in the deck's stationing
    double shift = 0.0;     // what printed stations past the equation add
};

struct HorizontalAlignment {
    // Set when an 01 card was read; cleared when the alignment is a tangent.
    bool curveFlag = false;
    // The complement of curveFlag once the horizontal alignment is built.
    bool horizontalTangent = true;

    double f = 1.0;              // direction factor: -1.0 left curve, +1.0 otherwise
    double degree = 0.0;         // degree of curve D, radians (arc definition D = 100/|R|)
    double delta = 0.0;          // deflection angle, signed (f * |delta|)
    double radius = 0.0;         // R, signed: f * 100/D
    double ls1 = 0.0;            // entering spiral length (as given, >= 0)
    double ls2 = 0.0;            // leaving spiral length
    double theta1 = 0.0;         // entering spiral angle, signed: 0.5 * ls1 / R
    double theta2 = 0.0;         // leaving spiral angle, signed: 0.5 * ls2 / R
    double rp1 = 0.0, k1 = 0.0;  // R+p and k of the entering spiral (signed like R)
    double rp2 = 0.0, k2 = 0.0;  // R+p and k of the leaving spiral
    double sinDelta = 0.0;       // of the signed delta
    double cosDelta = 1.0;
    double t1 = 0.0;          // tangent length TS to PI
    double t2 = 0.0;          // tangent length PI to ST
    double lc = 0.0;          // length of the circular arc
    double csDistance = 0.0;  // TS to CS: lc + ls1
    double length = 0.0;      // L, TS to ST: lc + ls1 + ls2
    double tsStation = 0.0;   // station of the TS in the deck's stationing

    // Frame constants.
    Pair stFromHc{1.0, 0.0};     // (cos delta, sin delta)
    Pair stOffset{0.0, 0.0};     // (t1 sin delta, -t2 - t1 cos delta)
    Pair aheadNormal{1.0, 0.0};  // (cos delta, -sin delta): the ahead tangent's right normal
    Pair aheadFoot{0.0, 0.0};    // the ahead tangent, foot form (HC frame)

    // Spiral end constants.
    Pair centre{0.0, 0.0};    // circle centre (rp1, k1), HC frame
    double rs1 = 0.0;         // where the SC radial line crosses the HC x axis
    double rs2 = 0.0;         // where the CS radial line crosses the ST x axis
    Pair scRadial{0.0, 0.0};  // SC radial line, foot form, HC frame
    Pair csRadial{0.0, 0.0};  // CS radial line, foot form, ST frame
    Pair bisector{0.0, 0.0};  // radial line perpendicular to the middle tangent, foot form

    // Offset from the horizontal control to the profile control line (feet,
    // signed, right positive).
    double profOffset = 0.0;

    // Station equation of the 01 card, filled by the alignment's
    // station-equation work.
    AlignmentEquation equation;
};

// The three curve errors of the 01 card.
enum class CurveError {
    None,
    DegreeOrDeltaOutOfRange,  // "DEGREE OF CURVE OR DELTA ANGLE OUT OF RANGE"
    SpiralLengthOutOfRange,   // "SPIRAL LENGTH OUT OF RANGE"
    SpiralsLap,               // "SPIRALS LAP"
};

// The listing text of a curve error ("" for None).
const char* CurveErrorMessage(CurveError error);

// The curve of the 01 card, for a PI station above kCurvePIStationMinimum.
//   f            direction factor: negative = left curve (-1.0), else +1.0
//   degree       degree of curve D, radians (absolute value used)
//   radius       feet; used only when degree is 0 or less: D = 100/|radius|,
//                with |radius| below 1.0 counting as 1.0
//   absDelta     |deflection angle|, radians (absolute value used)
//   ls1, ls2     spiral lengths, feet
//   piStation    station of the PI in the deck's stationing
// Range checks: 0.00002 < |delta| < 3.14157 and D > 0.00099, with
// D < 0.714286 (radius above about 140.0), or D < 10.01 for a curve without
// spirals (radius above about 9.99); spiral angles below 1.5707800388336182;
// an arc length below -0.00004 means the spirals lap (above it, an arc
// shorter than 0.00004 counts as 0). A negative or non-finite spiral length
// is a spiral length out of range.
// Sets curveFlag, f, degree, delta, radius, the spiral values, t1, t2, lc,
// csDistance, length, tsStation = piStation - t1, and the frame and spiral
// end constants; the profile offset and station equation are left alone.
// On an error it returns at once: the values of the steps before it stay, and
// the caller falls back to SetHorizontalTangent.
CurveError ComputeHorizontalCurve(HorizontalAlignment& h, double f, double degree, double radius,
                                  double absDelta, double ls1, double ls2, double piStation);

// The horizontal tangent (no curve, or a fatal curve error): curveFlag
// cleared, f = 1.0, no deflection, radius, spirals or lengths, the frame
// constants of a straight line, and the TS placed 0.00002 beyond
// `resolvedStation` (the first 04 card's reference station, already resolved
// through the station equation). The profile offset and station equation
// are left alone.
void SetHorizontalTangent(HorizontalAlignment& h, double resolvedStation);

}  // namespace quillon::geometry

#include "engine/geometry/HorizontalAlignment.hpp"

#include <cmath>

#include "angles/Angles.hpp"
#include "engine/geometry/SpiralSeries.hpp"

namespace quillon::geometry {

namespace {

constexpr double kDeltaMaximum = 3.14157;
constexpr double kDeltaMinimum = 0.00002;
constexpr double kDegreeMinimum = 0.00099;
constexpr double kDegreeMaximumSpiralled = 0.714286;
constexpr double kDegreeMaximumSimple = 10.01;
constexpr double kSpiralAngleMaximum = 1.5707800388336182;
constexpr double kShortestArc = 0.00004;
constexpr double kRightAngleTolerance = 0.00000001;

struct SpiralEnd {
    double rp;  // R+p: the circle centre's distance from the tangent, signed like R
    double k;   // the centre's place along the tangent, from the spiral's tangent end
};

SpiralEnd SpiralShift(double ls, double theta, double radius) {
    return {std::cos(theta) * radius + ls * SpiralYOverL(theta),
            ls * SpiralXOverL(theta) - std::sin(theta) * radius};
}

// Where the radial line at the spiral's circle end crosses the x axis of the
// spiral's own frame.
double RadialCrossing(double theta, double rp, double k, double radius) {
    double s = std::sin(theta);
    if (s == 0.0) return radius;
    return std::cos(theta) * k / s + rp;
}

bool ValidSpiralLength(double ls) { return std::isfinite(ls) && ls >= 0.0; }

}  // namespace

const char* CurveErrorMessage(CurveError error) {
    switch (error) {
        case CurveError::None:
            return "";
        case CurveError::DegreeOrDeltaOutOfRange:
            return "DEGREE OF CURVE OR DELTA ANGLE OUT OF RANGE";
        case CurveError::SpiralLengthOutOfRange:
            return "SPIRAL LENGTH OUT OF RANGE";
        case CurveError::SpiralsLap:
            return "SPIRALS LAP";
    }
    return "";
}

CurveError ComputeHorizontalCurve(HorizontalAlignment& h, double f, double degree, double radius,
                                  double absDelta, double ls1, double ls2, double piStation) {
    h.curveFlag = true;
    h.horizontalTangent = false;
    h.f = f < 0.0 ? -1.0 : 1.0;
    h.ls1 = ls1;
    h.ls2 = ls2;

    double d = std::abs(degree);
    if (d == 0.0) {
        double r = std::abs(radius);
        if (r < 1.0) r = 1.0;
        d = 100.0 / r;
    }
    h.degree = d;
    double delta = std::abs(absDelta);

    bool inRange = delta < kDeltaMaximum && delta > kDeltaMinimum && d > kDegreeMinimum &&
                   (d < kDegreeMaximumSpiralled || (d < kDegreeMaximumSimple && ls1 + ls2 == 0.0));
    if (!inRange) return CurveError::DegreeOrDeltaOutOfRange;

    double r = h.f * 100.0 / d;
    h.radius = r;
    h.delta = h.f * delta;

    if (!ValidSpiralLength(ls1) || !ValidSpiralLength(ls2))
        return CurveError::SpiralLengthOutOfRange;
    h.theta1 = 0.5 * ls1 / r;
    h.theta2 = 0.5 * ls2 / r;
    if (std::abs(h.theta1) >= kSpiralAngleMaximum || std::abs(h.theta2) >= kSpiralAngleMaximum)
        return CurveError::SpiralLengthOutOfRange;

    SpiralEnd in = SpiralShift(ls1, h.theta1, r);
    SpiralEnd out = SpiralShift(ls2, h.theta2, r);
    h.rp1 = in.rp;
    h.k1 = in.k;
    h.rp2 = out.rp;
    h.k2 = out.k;

    h.sinDelta = std::sin(h.delta);
    h.cosDelta = std::cos(h.delta);
    if (std::abs(delta - angles::kHalfPi) < kRightAngleTolerance) {
        h.t1 = std::abs(h.rp2);
        h.t2 = std::abs(h.rp1);
    } else {
        h.t1 = (h.rp2 - h.rp1 * h.cosDelta) / h.sinDelta;
        h.t2 = (h.rp1 - h.rp2 * h.cosDelta) / h.sinDelta;
    }
    h.t1 += h.k1;
    h.t2 += h.k2;

    double lc = (h.delta - h.theta1 - h.theta2) * r;
    if (std::abs(lc) < kShortestArc) lc = 0.0;
    h.lc = lc;
    if (lc < 0.0) return CurveError::SpiralsLap;

    h.csDistance = lc + ls1;
    h.length = lc + ls1 + ls2;
    h.tsStation = piStation - h.t1;

    // Frame constants.
    h.stFromHc = Pair(h.cosDelta, h.sinDelta);
    h.stOffset = Pair(h.t1 * h.sinDelta, -h.t2 - h.t1 * h.cosDelta);
    h.aheadNormal = Pair(h.cosDelta, -h.sinDelta);
    h.aheadFoot = Pair(-h.t1 * h.sinDelta, 0.0) / h.stFromHc;

    // Spiral end constants.
    h.centre = Pair(h.rp1, h.k1);
    h.rs1 = RadialCrossing(h.theta1, h.rp1, h.k1, r);
    h.rs2 = RadialCrossing(h.theta2, h.rp2, h.k2, r);
    double s1 = std::sin(h.theta1), c1 = std::cos(h.theta1);
    double s2 = std::sin(h.theta2), c2 = std::cos(h.theta2);
    h.scRadial = Pair(s1 * s1 * h.rs1, c1 * s1 * h.rs1);
    h.csRadial = Pair(s2 * s2 * h.rs2, -c2 * s2 * h.rs2);
    h.bisector = Pair((h.k1 * h.sinDelta + (1.0 - h.cosDelta) * h.rp1) * 0.5,
                      ((h.cosDelta + 1.0) * h.k1 + h.rp1 * h.sinDelta) * 0.5);
    return CurveError::None;
}

void SetHorizontalTangent(HorizontalAlignment& h, double resolvedStation) {
    HorizontalAlignment tangent;  // a straight line: no curve, f = 1, the frame of a tangent
    tangent.profOffset = h.profOffset;
    tangent.equation = h.equation;
    tangent.tsStation = resolvedStation + 0.00002;
    h = tangent;
}

}  // namespace quillon::geometry

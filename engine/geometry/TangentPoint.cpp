#include "engine/geometry/TangentPoint.hpp"

#include <cmath>

#include "engine/geometry/SpiralSeries.hpp"

namespace quillon::geometry {

namespace {

constexpr double kShortestFoot = 1e-15;

Pair Failed(KernelStatus& status) {
    status.failed = true;
    return Pair(0.0, 0.0);
}

}  // namespace

Pair TangentPointOnCurve(const HorizontalAlignment& h, Pair foot, KernelStatus& status) {
    if (status.failed) return Pair(0.0, 0.0);
    if (!h.curveFlag || !IsFinite(foot) || !(std::abs(foot) >= kShortestFoot))
        return Failed(status);

    // The right normal of a tangent at deflection phi is (cos phi, -sin phi):
    // its angle is -phi. F's normal gives phi up to a half turn; the
    // deflection turned toward the curve's hand, f * phi, is taken in 0..pi.
    double turned = std::fmod(-h.f * std::arg(foot), angles::kPi);
    if (turned < 0.0) turned += angles::kPi;
    const double absDelta = std::abs(h.delta);
    if (!(turned > kTangentEndAngle && turned < absDelta - kTangentEndAngle)) return Failed(status);
    const double phi = h.f * turned;
    const Pair normal(std::cos(phi), -std::sin(phi));

    Pair point;
    double station = 0.0;
    if (turned < std::abs(h.theta1)) {
        const double l = h.ls1 * std::sqrt(phi / h.theta1);
        point = Pair(l * SpiralYOverL(phi), l * SpiralXOverL(phi));
        station = l;
    } else if (turned <= absDelta - std::abs(h.theta2)) {
        station = h.ls1 + (phi - h.theta1) * h.radius;
        point = h.centre - h.radius * normal;
    } else {
        const double fromEnd = h.delta - phi;  // the leaving spiral's own angle
        const double l = h.ls2 * std::sqrt(fromEnd / h.theta2);
        const Pair onSt(l * SpiralYOverL(fromEnd), -l * SpiralXOverL(fromEnd));
        point = (onSt - h.stOffset) / h.stFromHc;
        station = h.length - l;
    }
    const double offset = Dot2(foot - point, normal);
    if (!std::isfinite(offset) || !std::isfinite(station)) return Failed(status);
    return Pair(offset, station);
}

}  // namespace quillon::geometry

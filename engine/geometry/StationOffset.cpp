#include "engine/geometry/StationOffset.hpp"

#include <cmath>

#include "angles/Angles.hpp"
#include "engine/geometry/SpiralSeries.hpp"

namespace quillon::geometry {

namespace {

constexpr int kMostSpiralPasses = 100;
constexpr double kTinyFoot = 1e-30;  // squared foot length of a tangent through the origin
constexpr double kFootOfOrigin = 1e-15;

Pair Failed(KernelStatus& status) {
    status.failed = true;
    return Pair(0.0, 0.0);
}

// cexp(-i*phi): the unit normal to the right of a tangent at deflection phi.
Pair RightNormal(double phi) { return Pair(std::cos(phi), -std::sin(phi)); }

void SetBackTangentFrame(AlignmentFrame& frame) {
    frame.phi = 0.0;
    frame.normal = Pair(1.0, 0.0);
    frame.tangent = Pair(0.0, 0.0);
}

void SetAheadTangentFrame(const HorizontalAlignment& h, AlignmentFrame& frame) {
    frame.phi = h.delta;
    frame.normal = h.aheadNormal;
    frame.tangent = h.aheadFoot;
}

// The frame at curve point P whose tangent deflects by phi.
// The frame at tangent angle phi through curve point p, given n =
// RightNormal(phi) where the caller has it already.
void SetCurveFrame(const HorizontalAlignment& h, double phi, Pair n, Pair p,
                   AlignmentFrame& frame) {
    Pair t = Dot2(p, n) * n;
    if (Dot2(t, t) < kTinyFoot) t = -(h.f * kFootOfOrigin) * n;
    frame.phi = phi;
    frame.normal = n;
    frame.tangent = t;
}

void SetCurveFrame(const HorizontalAlignment& h, double phi, Pair p, AlignmentFrame& frame) {
    SetCurveFrame(h, phi, RightNormal(phi), p, frame);
}

// The point at distance l from a clothoid's tangent end where its tangent
// has turned by phi, in the clothoid's own frame (start tangent along +y,
// turning toward the side of phi).
Pair ClothoidPoint(double l, double phi) {
    return Pair(l * SpiralYOverL(phi), l * SpiralXOverL(phi));
}

struct SpiralFoot {
    double phi = 0.0;     // tangent angle at the spiral point, from the spiral's tangent
    double l = 0.0;       // length along the spiral from its tangent end
    double offset = 0.0;  // signed distance of the point from the spiral
};

// The spiral point whose normal passes through Z, all in the spiral's own
// frame (origin at its tangent end, +y along the tangent toward the curve):
// an iteration on the tangent angle, each pass taking the angle of the line
// from the centre of curvature at the current angle to Z.
bool FootOnSpiral(const HorizontalAlignment& h, Pair z, double theta, double ls, double rs,
                  bool warm, double lastPhi, SpiralFoot& foot) {
    double f = h.f;
    double tau = (warm && f * lastPhi > 0.0 && f * (lastPhi - theta) < 0.0)
                     ? lastPhi
                     : std::atan2(f * z.imag(), std::abs(rs - z.real()));
    double phi = tau;
    bool settled = false;
    for (int pass = 0; pass < kMostSpiralPasses && !settled; ++pass) {
        double l = std::sqrt(tau / theta) * ls;
        double rho = ls * h.radius / l;  // radius of curvature at l
        double a = f * (z.imag() + rho * std::sin(tau) - l * SpiralXOverL(tau));
        double b = std::abs(l * SpiralYOverL(tau) + rho * std::cos(tau) - z.real());
        phi = angles::WithinQuarterTurn(std::atan2(a, b));
        if (f * phi <= 0.0) phi = std::abs(tau) * tau;
        if (!std::isfinite(phi)) return false;
        settled = std::abs(tau - phi) <= 1e-18 || std::abs((tau - phi) / phi) <= 1e-12;
        tau = phi;
    }
    if (!settled) return false;
    foot.phi = phi;
    foot.l = std::sqrt(phi / theta) * ls;
    Pair d = z - ClothoidPoint(foot.l, phi);
    foot.offset = d.real() < 0.0 ? -std::abs(d) : std::abs(d);
    return std::isfinite(foot.l) && std::isfinite(foot.offset);
}

Pair OnEnteringSpiral(const HorizontalAlignment& h, AlignmentFrame& frame, Pair z, LocateMode mode,
                      KernelStatus& status) {
    SpiralFoot foot;
    if (!FootOnSpiral(h, z, h.theta1, h.ls1, h.rs1, mode == LocateMode::Warm, frame.phi, foot))
        return Failed(status);
    if (mode == LocateMode::StationOnly)
        frame.phi = foot.phi;
    else
        SetCurveFrame(h, foot.phi, ClothoidPoint(foot.l, foot.phi), frame);
    return Pair(foot.offset, foot.l);
}

// The leaving spiral is the entering one seen from the ST backwards: in the
// ST frame mirrored in its x axis.
Pair OnLeavingSpiral(const HorizontalAlignment& h, AlignmentFrame& frame, Pair zst, LocateMode mode,
                     KernelStatus& status) {
    SpiralFoot foot;
    Pair mirrored = std::conj(zst);
    if (!FootOnSpiral(h, mirrored, h.theta2, h.ls2, h.rs2, mode == LocateMode::Warm,
                      h.delta - frame.phi, foot))
        return Failed(status);
    double phi = h.delta - foot.phi;
    if (mode == LocateMode::StationOnly) {
        frame.phi = phi;
    } else {
        Pair pst = std::conj(ClothoidPoint(foot.l, foot.phi));
        SetCurveFrame(h, phi, (pst - h.stOffset) / h.stFromHc, frame);
    }
    return Pair(foot.offset, h.length - foot.l);
}

Pair OnCircle(const HorizontalAlignment& h, AlignmentFrame& frame, Pair z, LocateMode mode) {
    Pair d = z - h.centre;
    double phi = std::atan2(h.f * d.imag(), -h.f * d.real());
    double offset = h.radius - h.f * std::abs(d);
    double station = (phi - h.theta1) * h.radius + h.ls1;
    if (mode == LocateMode::StationOnly) {
        frame.phi = phi;
    } else {
        const Pair n = RightNormal(phi);
        SetCurveFrame(h, phi, n, h.centre - h.radius * n, frame);
    }
    return Pair(offset, station);
}

}  // namespace

Pair PointAtStationOffset(const HorizontalAlignment& h, AlignmentFrame& frame, Pair qs,
                          KernelStatus& status) {
    if (status.failed) return Pair(0.0, 0.0);
    if (!IsFinite(qs)) return Failed(status);
    double q = qs.real();
    double s = qs.imag();
    if (!h.curveFlag || s <= 0.0) {
        SetBackTangentFrame(frame);
        return qs;
    }
    if (s < h.ls1) {
        double phi = (s / h.ls1) * (s / h.ls1) * h.theta1;
        Pair p = ClothoidPoint(s, phi);
        SetCurveFrame(h, phi, p, frame);
        return p + q * frame.normal;
    }
    if (s <= h.length - h.ls2) {
        double phi = (s - h.ls1) / h.radius + h.theta1;
        Pair n = RightNormal(phi);
        SetCurveFrame(h, phi, n, h.centre - h.radius * n, frame);
        return h.centre + (q - h.radius) * n;
    }
    if (s < h.length) {
        double u = s - h.length;  // negative: back from the ST
        double phiSt = (u / h.ls2) * (u / h.ls2) * h.theta2;
        Pair pst(-u * SpiralYOverL(phiSt), u * SpiralXOverL(phiSt));
        Pair p = (pst - h.stOffset) / h.stFromHc;
        SetCurveFrame(h, h.delta - phiSt, p, frame);
        return p + q * frame.normal;
    }
    SetAheadTangentFrame(h, frame);
    return (Pair(q, s - h.length) - h.stOffset) / h.stFromHc;
}

Pair LocatePoint(const HorizontalAlignment& h, AlignmentFrame& frame, Pair z, KernelStatus& status,
                 LocateMode mode) {
    if (status.failed) return Pair(0.0, 0.0);
    if (!IsFinite(z)) return Failed(status);
    if (Dot2(z - h.bisector, h.bisector) <= 0.0) {  // the back half
        if (!h.curveFlag || z.imag() <= 0.0) {
            SetBackTangentFrame(frame);
            return z;
        }
        if (Dot2(z - h.scRadial, h.scRadial) < 0.0)
            return OnEnteringSpiral(h, frame, z, mode, status);
    }
    Pair zst = z * h.stFromHc + h.stOffset;
    if (!h.curveFlag || zst.imag() >= 0.0) {
        SetAheadTangentFrame(h, frame);
        return Pair(zst.real(), h.length + zst.imag());
    }
    if (Dot2(zst - h.csRadial, h.csRadial) < 0.0)
        return OnLeavingSpiral(h, frame, zst, mode, status);
    if (Dot2(z - h.scRadial, h.scRadial) < 0.0) return OnEnteringSpiral(h, frame, z, mode, status);
    return OnCircle(h, frame, z, mode);
}

}  // namespace quillon::geometry

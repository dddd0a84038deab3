#include "engine/geometry/Parallels.hpp"

#include <algorithm>
#include <cmath>

#include "angles/Angles.hpp"
#include "engine/geometry/Lines.hpp"
#include "engine/geometry/StationOffset.hpp"

namespace quillon::geometry {

namespace {

constexpr double kNoParallelPart = 1e-30;  // largest |w| of a parallel pair
constexpr double kNoLine = 1e-37;          // smallest Dot2(F, F) of a line
constexpr double kTinyFoot = 1e-30;        // squared foot length of a parallel through the origin
constexpr double kFootOfOrigin = 1e-15;
constexpr int kMostCrossings = 41;
constexpr double kSettled = 5e-26;         // squared move relative to the squared distance
constexpr double kLastMoveAllowed = 2e-8;  // squared feet
constexpr double kShortest = 2e-8;         // feet: shorter distances or offsets count as 0

Pair Failed(KernelStatus& status) {
    status.failed = true;
    return Pair(0.0, 0.0);
}

// The parallel at (q, w) of the frame's tangent, foot form.
Pair ParallelOfFrame(const AlignmentFrame& frame, Pair qw) {
    Pair q = qw * frame.normal + frame.tangent;
    if (Dot2(q, q) < kTinyFoot) q = kFootOfOrigin * frame.normal;
    return q;
}

// Tangent deflection at internal station s.
double TangentAngle(const HorizontalAlignment& h, double s) {
    if (s <= 0.0) return 0.0;
    if (s < h.ls1) return h.theta1 * (s / h.ls1) * (s / h.ls1);
    if (s <= h.length - h.ls2) return (s - h.ls1) / h.radius + h.theta1;
    if (s < h.length)
        return h.delta - h.theta2 * ((h.length - s) / h.ls2) * ((h.length - s) / h.ls2);
    return h.delta;
}

// Distance u along a spiral from its tangent end to where the parallel at
// offset q has length w from that end: the root near w of
// u - q * theta * (u / ls)^2 = w. A spiral of no length leaves the tangent
// going on: u = w.
bool SpiralDistance(double ls, double theta, double q, double w, double& u) {
    if (ls == 0.0) {
        u = w;
        return true;
    }
    double tp = ls * ls / (theta * q);
    double root = tp * (tp - 4.0 * w);
    if (!std::isfinite(tp) || !(root >= 0.0)) return false;
    u = (tp - (tp < 0.0 ? -1.0 : 1.0) * std::sqrt(root)) / 2.0;
    return std::isfinite(u);
}

}  // namespace

Pair IntersectLineWithParallel(const HorizontalAlignment& h, AlignmentFrame& frame, Pair foot,
                               Pair qw, KernelStatus& status) {
    if (!(std::abs(qw.imag()) <= kNoParallelPart)) status.failed = true;
    if (status.failed) return Pair(0.0, 0.0);
    if (!(Dot2(foot, foot) >= kNoLine) || !IsFinite(foot) || !IsFinite(qw)) return Failed(status);

    Pair r = IntersectLines(foot, ParallelOfFrame(frame, qw), status);
    if (status.failed) return Pair(0.0, 0.0);
    StationOffsetOfPoint(h, frame, r, status);
    double e = 0.0;
    int k = 1;
    for (;; ++k) {
        Pair kept = r;
        LocatePointFromLast(h, frame, r, status);
        r = IntersectLines(foot, ParallelOfFrame(frame, qw), status);
        if (status.failed) return Pair(0.0, 0.0);
        e = std::norm(kept - r);
        if (!std::isfinite(e)) return Failed(status);
        if (!(k < kMostCrossings && e / std::norm(r) > kSettled)) break;
    }
    if (k == kMostCrossings && e > kLastMoveAllowed) return Failed(status);
    return r;
}

Pair IntersectLineWithParallelSkew(const HorizontalAlignment& h, AlignmentFrame& frame, Pair foot,
                                   Pair qw, double& skew, KernelStatus& status) {
    Pair r = IntersectLineWithParallel(h, frame, foot, qw, status);
    if (status.failed) return r;
    StationOffsetOfPoint(h, frame, r, status);
    if (status.failed) return Pair(0.0, 0.0);
    skew = angles::WithinQuarterTurn(std::atan2(h.f * foot.imag(), -h.f * foot.real()) +
                                     h.f * angles::kHalfPi - frame.phi);
    return r;
}

double ParallelLength(const HorizontalAlignment& h, double a, double q, double b) {
    double straight = b - a;
    if (!h.curveFlag || !(std::abs(straight) >= kShortest) || !(std::abs(q) >= kShortest))
        return straight;
    double lo = std::min(a, b);
    double hi = std::max(a, b);
    if (hi <= 0.0 || lo >= h.length) return straight;
    double along = std::abs(hi - lo - q * (TangentAngle(h, hi) - TangentAngle(h, lo)));
    return straight < 0.0 ? -along : along;
}

double StationAlongParallel(const HorizontalAlignment& h, double s, double q, double d,
                            KernelStatus& status) {
    if (status.failed) return 0.0;
    if (!std::isfinite(s) || !std::isfinite(q) || !std::isfinite(d)) {
        status.failed = true;
        return 0.0;
    }
    double reached = s + d;
    if (!h.curveFlag || !(std::min(s, reached) < h.length) || !(std::max(s, reached) > 0.0) ||
        std::abs(q) < kShortest || std::abs(d) < kShortest)
        return reached;
    if (h.f * q >= std::abs(h.radius)) {
        status.failed = true;
        return 0.0;
    }

    const double r = h.radius;
    const double arcOnParallel = (r - q) * (h.delta - h.theta1 - h.theta2);
    double u = 0.0;
    if (d >= 0.0) {
        double past = ParallelLength(h, h.ls1, q, s) + d;  // beyond the SC
        if (past < 0.0) {
            if (SpiralDistance(h.ls1, h.theta1, q, ParallelLength(h, 0.0, q, s) + d, u)) return u;
        } else if (past <= arcOnParallel) {
            return h.ls1 + past * r / (r - q);
        } else {
            double beyondSt = past - arcOnParallel - h.ls2 + q * h.theta2;
            if (beyondSt >= 0.0) return h.length + beyondSt;
            if (SpiralDistance(h.ls2, h.theta2, q, -beyondSt, u)) return h.length - u;
        }
    } else {
        double past = ParallelLength(h, h.length - h.ls2, q, s) + d;  // from the CS
        if (past > 0.0) {
            double w = -(ParallelLength(h, h.length, q, s) + d);
            if (SpiralDistance(h.ls2, h.theta2, q, w, u)) return h.length - u;
        } else if (past >= -arcOnParallel) {
            return h.length - h.ls2 + past * r / (r - q);
        } else {
            double fromTs = arcOnParallel + past + h.ls1 - q * h.theta1;
            if (fromTs <= 0.0) return fromTs;
            if (SpiralDistance(h.ls1, h.theta1, q, fromTs, u)) return u;
        }
    }
    status.failed = true;
    return 0.0;
}

}  // namespace quillon::geometry

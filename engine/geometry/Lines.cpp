#include "engine/geometry/Lines.hpp"

#include <cmath>

namespace quillon::geometry {

namespace {

constexpr double kParallel = 1e-37;  // squared length or cross product: no line
constexpr double kShortest = 1e-15;  // shortest segment or direction, feet
constexpr double kTinyFoot = 1e-30;  // squared foot length of a line through the origin

Pair Failed(KernelStatus& status) {
    status.failed = true;
    return Pair(0.0, 0.0);
}

// The foot pair of the line through A with unit normal N.
Pair FootThrough(Pair a, Pair n) {
    Pair f = Dot2(a, n) * n;
    if (Dot2(f, f) < kTinyFoot) f = kShortest * n;
    return f;
}

// The line through A along V (any length at least kShortest), or failure.
Pair LineAlong(Pair a, Pair v, KernelStatus& status) {
    double len = std::abs(v);
    if (!(len >= kShortest) || !std::isfinite(len) || !IsFinite(a)) return Failed(status);
    Pair n = Pair(0.0, 1.0) * v / len;  // a quarter turn left of the direction
    return FootThrough(a, n);
}

}  // namespace

Pair IntersectLines(Pair a, Pair b, KernelStatus& status) {
    if (status.failed) return Pair(0.0, 0.0);
    if (!IsFinite(a) || !IsFinite(b)) return Failed(status);
    double aa = Dot2(a, a);
    double bb = Dot2(b, b);
    Pair crossing;
    if (aa > kParallel && bb > kParallel) {
        double d = a.real() * b.imag() - a.imag() * b.real();
        if (std::abs(d) < kParallel) return Failed(status);
        crossing = Pair((b.imag() * aa - a.imag() * bb) / d, (a.real() * bb - b.real() * aa) / d);
    } else if (aa <= kParallel) {
        // A is the line x = 0.
        if (b.imag() * b.imag() < kParallel) return Failed(status);
        crossing = Pair(0.0, bb / b.imag());
    } else {
        // B is the line x = 0.
        if (a.imag() * a.imag() < kParallel) return Failed(status);
        crossing = Pair(0.0, aa / a.imag());
    }
    if (!IsFinite(crossing)) return Failed(status);
    return crossing;
}

Pair LineThroughPoints(Pair a, Pair b, KernelStatus& status) {
    if (status.failed) return Pair(0.0, 0.0);
    Pair d = b - a;
    double len = std::abs(d);
    if (!(len >= kShortest) || !std::isfinite(len)) return Failed(status);
    if (std::abs(a.real()) + std::abs(b.real()) <= 1e-6 &&
        std::abs(a.real() - b.real()) / len <= 1e-8)
        return Pair(0.0, 0.0);
    return LineAlong(a, d, status);
}

Pair LineThroughPointAndDirection(Pair a, Pair v, KernelStatus& status) {
    if (status.failed) return Pair(0.0, 0.0);
    return LineAlong(a, v, status);
}

}  // namespace quillon::geometry

// Plane pairs and the kernels' status flag.
//
// A point or a direction in the plane of the horizontal control is a pair
// (x, y) of doubles held as the complex number x + iy, so that adding,
// turning (multiplying by cexp(i*a)) and dividing are the complex operations.
// Lengths are feet, angles radians, in every kernel of this folder.
#pragma once

#include <cmath>
#include <complex>

#include "angles/Angles.hpp"

namespace quillon::geometry {

using Pair = std::complex<double>;

// U.x*V.x + U.y*V.y.
inline double Dot2(Pair u, Pair v) { return u.real() * v.real() + u.imag() * v.imag(); }

// cexp(i*a) = (cos a, sin a).
inline Pair UnitAt(double a) { return Pair(std::cos(a), std::sin(a)); }

// True when both parts are finite numbers.
inline bool IsFinite(Pair p) { return std::isfinite(p.real()) && std::isfinite(p.imag()); }

// The flag a chain of kernels shares. A kernel that receives it failed does
// nothing and returns the pair (0, 0); a kernel that fails sets it and returns
// (0, 0). No kernel clears it: the caller runs a chain and tests it once,
// then writes its own message.
struct KernelStatus {
    bool failed = false;
};

}  // namespace quillon::geometry

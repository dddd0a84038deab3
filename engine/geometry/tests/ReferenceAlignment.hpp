// An independent description of test alignments, for checking the kernels:
// the tangent angle as the textbook defines a clothoid-arc-clothoid curve
// (curvature growing linearly over each spiral, constant 1/R on the arc) and
// positions by Simpson integration of the unit tangent (sin phi, cos phi)
// from the TS. Nothing here calls the kernels under test except
// ComputeHorizontalCurve, which builds the record they read.
#pragma once

#include <cmath>

#include "engine/geometry/HorizontalAlignment.hpp"
#include "engine/geometry/Pair.hpp"

namespace quillon::geometry::testing {

struct CurveCase {
    const char* name;
    double f;         // -1 left, +1 right
    double radius;    // feet, positive
    double deltaDeg;  // |deflection|, degrees
    double ls1, ls2;  // spiral lengths, feet
};

inline double Radians(double degrees) { return degrees * angles::kPi / 180.0; }

// The record for a case, its degree of curve given (arc definition D = 100/R).
inline HorizontalAlignment MakeAlignment(const CurveCase& c, double piStation = 10000.0) {
    HorizontalAlignment h;
    ComputeHorizontalCurve(h, c.f, 100.0 / c.radius, 0.0, Radians(c.deltaDeg), c.ls1, c.ls2,
                           piStation);
    return h;
}

// Simpson's rule with n (even) intervals.
template <class F>
auto Simpson(F fn, double a, double b, int n) {
    double h = (b - a) / n;
    auto sum = fn(a) + fn(b);
    for (int i = 1; i < n; ++i) sum += (i % 2 ? 4.0 : 2.0) * fn(a + i * h);
    return sum * (h / 3.0);
}

class ReferenceAlignment {
public:
    explicit ReferenceAlignment(const CurveCase& c)
        : f_(c.f), r_(c.radius), delta_(c.f * Radians(c.deltaDeg)), ls1_(c.ls1), ls2_(c.ls2) {
        // arc length: the deflection less the two spiral angles Ls/(2R)
        lc_ = r_ * (Radians(c.deltaDeg) - ls1_ / (2 * r_) - ls2_ / (2 * r_));
        length_ = ls1_ + lc_ + ls2_;
    }

    double Length() const { return length_; }
    double Sc() const { return ls1_; }
    double Cs() const { return ls1_ + lc_; }

    // Tangent deflection at internal station s.
    double Phi(double s) const {
        if (s <= 0) return 0.0;
        if (s < ls1_) return f_ * s * s / (2 * r_ * ls1_);
        if (s <= ls1_ + lc_) return f_ * (ls1_ / (2 * r_) + (s - ls1_) / r_);
        if (s < length_) return delta_ - f_ * (length_ - s) * (length_ - s) / (2 * r_ * ls2_);
        return delta_;
    }

    // Point of the horizontal control at internal station s.
    Pair Point(double s) const {
        if (s <= 0) return Pair(0.0, s);
        double breaks[] = {0.0, ls1_, ls1_ + lc_, length_};
        Pair p(0.0, 0.0);
        for (int i = 0; i < 3; ++i) {
            double a = breaks[i], b = std::fmin(breaks[i + 1], s);
            if (b > a)
                p += Simpson([this](double t) { return Pair(std::sin(Phi(t)), std::cos(Phi(t))); },
                             a, b, 4000);
        }
        if (s > length_) p += (s - length_) * Pair(std::sin(delta_), std::cos(delta_));
        return p;
    }

    // Point at offset q (right positive) from station s.
    Pair Point(double q, double s) const {
        double phi = Phi(s);
        return Point(s) + q * Pair(std::cos(phi), -std::sin(phi));
    }

private:
    double f_, r_, delta_, ls1_, ls2_, lc_ = 0, length_ = 0;
};

// The alignments the kernel tests run over: both hands, simple, equal,
// unequal and one-sided spirals, a right angle and a wide deflection.
inline const CurveCase kCurveCases[] = {
    {"SimpleRight", 1, 1000, 30, 0, 0},
    {"SimpleLeft", -1, 1000, 30, 0, 0},
    {"EqualSpiralsRight", 1, 800, 40, 150, 150},
    {"EqualSpiralsLeft", -1, 800, 40, 150, 150},
    {"UnequalSpiralsRight", 1, 600, 55, 200, 80},
    {"UnequalSpiralsLeft", -1, 600, 55, 80, 200},
    {"EnteringSpiralOnlyRight", 1, 1200, 25, 180, 0},
    {"LeavingSpiralOnlyLeft", -1, 1200, 25, 0, 180},
    {"RightAngleSpiralled", 1, 500, 90, 120, 100},
    {"WideDeflectionLeft", -1, 300, 150, 100, 60},
};

}  // namespace quillon::geometry::testing

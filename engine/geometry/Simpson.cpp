#include "engine/geometry/Simpson.hpp"

#include <algorithm>
#include <cmath>

namespace quillon::geometry {

double IntegrateSimpson(const std::function<double(double)>& f, double a, double b, double tol) {
    tol = std::max(std::abs(tol), kSmallestSimpsonTolerance);
    // ends: f(a) + f(b) + 2 * (every inner point so far).
    double ends = f(a) + f(b);
    double h = b - a;
    double estimate = 0.0;
    double previous = 0.0;
    for (int n = 1;;) {
        n *= 2;
        previous = estimate;
        h *= 0.5;
        double odd = 0.0;  // the new points, at the odd multiples of h
        for (int m = 1; m < n; m += 2) odd += f(a + m * h);
        ends += 2.0 * odd;
        estimate = (ends + 2.0 * odd) * h / 3.0;
        if (n < kFewestSimpsonIntervals) continue;
        if (n >= kMostSimpsonIntervals || previous == 0.0 ||
            std::abs(previous - estimate) / std::abs(previous) < tol)
            return estimate;
    }
}

}  // namespace quillon::geometry

#include "engine/geometry/SpiralSeries.hpp"

#include <cmath>

namespace quillon::geometry {

namespace {

constexpr int kMostTerms = 100;

// Sum from `first` on: each next term = previous * (-theta^2) * (2n - 3) /
// ((n - 1) * n * (2n + 1)), n = n0, n0 + 2, ...; stop after the first term
// whose ratio to the running sum is at most 1e-15.
double ClothoidSum(double first, double theta, int n0) {
    if (first == 0.0) return 0.0;
    double t2 = theta * theta;
    double term = first;
    double sum = first;
    for (int i = 0, n = n0; i < kMostTerms; ++i, n += 2) {
        term = term * -t2 * (2.0 * n - 3.0) / ((n - 1.0) * n * (2.0 * n + 1.0));
        sum += term;
        if (std::abs(term / sum) <= 1e-15) break;
        if (!std::isfinite(sum)) break;
    }
    return sum;
}

}  // namespace

double SpiralYOverL(double theta) { return ClothoidSum(theta / 3.0, theta, 3); }

double SpiralXOverL(double theta) { return ClothoidSum(1.0, theta, 2); }

}  // namespace quillon::geometry

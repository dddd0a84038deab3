#include "engine/geometry/Tolerance.hpp"

#include <cmath>

namespace quillon::geometry {

int CompareWithTolerance(double a, double b, double tol) {
    if (std::abs(a - b) < std::abs(tol)) return 0;
    return a > b ? 1 : -1;
}

}  // namespace quillon::geometry

#include "engine/geometry/PolynomialFit.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace quillon::geometry {

namespace {

constexpr long kMostSolverWork = 32001;

bool Fail(int& npts) {
    npts = 0;
    return false;
}

// Distinct x values among the points, counted up to `enough`.
int DistinctX(std::span<const FitPoint> points, int enough) {
    std::array<double, kNormalSize> seen{};
    int count = 0;
    for (const FitPoint& p : points) {
        if (count >= enough) break;
        if (std::find(seen.begin(), seen.begin() + count, p.x) == seen.begin() + count)
            seen[static_cast<std::size_t>(count++)] = p.x;
    }
    return count;
}

double& M(NormalEquations& normal, int j, int l) {
    return normal.m[static_cast<std::size_t>((j - 1) + (l - 1) * kNormalSize)];
}

bool SolveNormal(const NormalEquations& normal, int d, std::span<double> c) {
    return SolveLinearSystem(d + 1, normal.m, kNormalSize, c, 1, normal.b, kNormalSize, 1).Solved();
}

}  // namespace

LinearSolve SolveLinearSystem(int n, std::span<const double> a, int ldA, std::span<double> x,
                              int ldX, std::span<const double> b, int ldB, int m) {
    constexpr LinearSolve kRefused{SolveStatus::Refused, 0.0};
    constexpr LinearSolve kSingular{SolveStatus::Singular, 0.0};
    if (n <= 1 || m <= 0 || n > ldA) return kRefused;
    if (m > 1 && (n > ldX || n > ldB)) return kRefused;
    if (static_cast<long>(ldA + m) * n >= kMostSolverWork) return kRefused;
    auto needs = [n](int ld, int columns) {
        return static_cast<std::size_t>(columns - 1) * static_cast<std::size_t>(ld) +
               static_cast<std::size_t>(n);
    };
    if (a.size() < needs(ldA, n) || b.size() < needs(ldB, m) || x.size() < needs(ldX, m))
        return kRefused;

    // Work matrix [A | B], row-major; column k of it holds unknown `unknown[k]`.
    const std::size_t rows = static_cast<std::size_t>(n);
    const std::size_t cols = rows + static_cast<std::size_t>(m);
    std::vector<double> w(rows * cols);
    auto at = [&w, cols](std::size_t i, std::size_t j) -> double& { return w[i * cols + j]; };
    for (std::size_t i = 0; i < rows; ++i) {
        for (std::size_t j = 0; j < rows; ++j) at(i, j) = a[i + j * static_cast<std::size_t>(ldA)];
        for (std::size_t r = 0; r < static_cast<std::size_t>(m); ++r)
            at(i, rows + r) = b[i + r * static_cast<std::size_t>(ldB)];
    }
    std::vector<std::size_t> unknown(rows);
    for (std::size_t k = 0; k < rows; ++k) unknown[k] = k;

    double det = 1.0;
    for (std::size_t k = 0; k + 1 < rows; ++k) {
        std::size_t pr = k, pc = k;
        double largest = std::abs(at(k, k));
        for (std::size_t i = k; i < rows; ++i)
            for (std::size_t j = k; j < rows; ++j)
                if (std::abs(at(i, j)) > largest) {
                    largest = std::abs(at(i, j));
                    pr = i;
                    pc = j;
                }
        if (pr != k)
            for (std::size_t j = 0; j < cols; ++j) std::swap(at(k, j), at(pr, j));
        if (pc != k) {
            for (std::size_t i = 0; i < rows; ++i) std::swap(at(i, k), at(i, pc));
            std::swap(unknown[k], unknown[pc]);
        }
        if ((pr != k) != (pc != k)) det = -det;
        double pivot = at(k, k);
        det *= pivot;
        if (det == 0.0) return kSingular;
        for (std::size_t j = k; j < cols; ++j) at(k, j) /= pivot;
        for (std::size_t i = k + 1; i < rows; ++i) {
            double factor = at(i, k);
            for (std::size_t j = k; j < cols; ++j) at(i, j) -= factor * at(k, j);
        }
    }
    double last = at(rows - 1, rows - 1);
    det *= last;
    if (det == 0.0 || !std::isfinite(det)) return kSingular;

    std::vector<double> solution(rows * static_cast<std::size_t>(m));
    for (std::size_t r = 0; r < static_cast<std::size_t>(m); ++r) {
        double* sol = &solution[r * rows];
        sol[rows - 1] = at(rows - 1, rows + r) / last;
        for (std::size_t i = rows - 1; i-- > 0;) {
            double v = at(i, rows + r);
            for (std::size_t j = i + 1; j < rows; ++j) v -= at(i, j) * sol[j];
            sol[i] = v;
        }
    }
    for (double v : solution)
        if (!std::isfinite(v)) return kSingular;
    for (std::size_t r = 0; r < static_cast<std::size_t>(m); ++r)
        for (std::size_t k = 0; k < rows; ++k)
            x[unknown[k] + r * static_cast<std::size_t>(ldX)] = solution[r * rows + k];
    return {SolveStatus::Solved, det};
}

bool FitPolynomial(NormalEquations& normal, int d, std::span<double> c, int& npts,
                   std::span<FitPoint> points) {
    normal.degree = -1;
    if (d < 1 || d > kMostFitDegree || d >= npts ||
        static_cast<std::size_t>(npts) > points.size() ||
        c.size() < static_cast<std::size_t>(d + 1))
        return Fail(npts);
    std::span<FitPoint> used = points.first(static_cast<std::size_t>(npts));
    for (const FitPoint& p : used)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return Fail(npts);

    normal.degree = d;
    normal.distinctX = DistinctX(used, d + 1);
    normal.m.fill(0.0);
    normal.b.fill(0.0);
    M(normal, 1, 1) = npts;
    double sumY = 0.0;
    for (FitPoint& p : used) {
        sumY += p.y;
        p.work = 1.0;
    }
    normal.b[0] = sumY;
    for (int k = 1; k <= 2 * d; ++k) {
        double s = 0.0;
        for (FitPoint& p : used) {
            p.work *= p.x;
            s += p.work;
        }
        if (k <= d) {
            double sum = 0.0;
            for (FitPoint& p : used) {
                p.y *= p.x;
                sum += p.y;
            }
            normal.b[static_cast<std::size_t>(k)] = sum;
        }
        for (int j = std::max(1, k + 1 - d); j <= std::min(d + 1, k + 1); ++j)
            M(normal, j, k + 2 - j) = s;
    }

    if (normal.distinctX < d + 1) return Fail(npts);
    if (!SolveNormal(normal, d, c)) return Fail(npts);
    return true;
}

bool RefitPolynomial(const NormalEquations& normal, int d, std::span<double> c, int& npts) {
    if (d < 1 || d >= normal.degree || c.size() < static_cast<std::size_t>(d + 1) ||
        normal.distinctX < d + 1)
        return Fail(npts);
    if (!SolveNormal(normal, d, c)) return Fail(npts);
    return true;
}

}  // namespace quillon::geometry

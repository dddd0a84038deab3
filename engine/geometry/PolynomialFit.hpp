// Ordinary (unweighted) least-squares polynomial fit of degree 1..12 through
// the normal equations, solved by Gaussian elimination with complete
// pivoting, and refits of lower degree from the same normal equations.
//
// Failures are silent: a failed fit or refit returns false and sets npts to
// 0, a failed solve returns its status; the caller writes its own message.
#pragma once

#include <array>
#include <span>

namespace quillon::geometry {

inline constexpr int kMostFitDegree = 12;
inline constexpr int kNormalSize = kMostFitDegree + 1;  // leading dimension of M

struct FitPoint {
    double x = 0.0;
    double y = 0.0;     // the fit multiplies it by x^d (see FitPolynomial)
    double work = 0.0;  // scratch of the fit
};

// The normal equations kept from the last fit for later refits. A fresh
// record (NormalEquations{}) has no fit (degree -1).
struct NormalEquations {
    // M(j, l) = sum of x^(j+l-2), column-major with leading dimension 13:
    // M(j, l) is m[(j - 1) + (l - 1) * 13].
    std::array<double, kNormalSize * kNormalSize> m{};
    std::array<double, kNormalSize> b{};  // b(k + 1) = sum of y * x^k
    int degree = -1;                      // degree of the last fit past its checks, or -1
    int distinctX = 0;                    // distinct x values among its points
};

// Fits c1 + c2*x + ... + c(d+1)*x^d to the first npts points. Needs
// 1 <= d <= 12, d < npts, npts points of finite x and y, and room for d + 1
// coefficients in c; otherwise it fails with no normal equations kept
// (degree -1). Past those checks it builds and keeps the normal equations
// (degree d) and multiplies every y by x^d; it then fails when fewer than
// d + 1 distinct x values are given or the matrix is singular, and otherwise
// puts the coefficients in c. Returns true on success (npts unchanged).
bool FitPolynomial(NormalEquations& normal, int d, std::span<double> c, int& npts,
                   std::span<FitPoint> points);

// Solves the kept normal equations again for a lower degree d
// (1 <= d < the degree of the last fit): d + 1 coefficients in c, the data
// not read again. Fails (npts = 0) for any other d, with fewer than d + 1
// distinct x values, or on a singular block. Returns true on success.
bool RefitPolynomial(const NormalEquations& normal, int d, std::span<double> c, int& npts);

enum class SolveStatus {
    Solved,
    Refused,   // the arguments: see SolveLinearSystem
    Singular,  // a pivot product of exactly 0, or a non-finite determinant or solution
};

struct LinearSolve {
    SolveStatus status = SolveStatus::Refused;
    double determinant = 0.0;  // of A when solved (never 0); 0.0 otherwise
    bool Solved() const { return status == SolveStatus::Solved; }
};

// Solves A*X = B for m right-hand sides. A is n x n (column-major, leading
// dimension ldA), B and X are n x m (leading dimensions ldB and ldX; with
// one right-hand side these may be 1). Complete pivoting: at each step the
// largest remaining element (first found on ties, scanning rows then
// columns) is the pivot. Refused: n below 2, m below 1, a leading dimension
// below n (with several right-hand sides also ldX and ldB), (ldA + m) * n of
// 32001 or more, spans too short. X is written only when solved.
LinearSolve SolveLinearSystem(int n, std::span<const double> a, int ldA, std::span<double> x,
                              int ldX, std::span<const double> b, int ldB, int m);

}  // namespace quillon::geometry

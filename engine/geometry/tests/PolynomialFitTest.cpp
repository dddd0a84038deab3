#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/geometry/PolynomialFit.hpp"

namespace g = quillon::geometry;

namespace {

std::vector<g::FitPoint> Points(std::vector<double> xs, std::vector<double> ys) {
    std::vector<g::FitPoint> pts;
    for (std::size_t i = 0; i < xs.size(); ++i) pts.push_back({xs[i], ys[i], 0.0});
    return pts;
}

TEST(FitPolynomial, ThreePointsOnAParabolaGiveItsCoefficients) {
    // y = 1 + 2x + 3x^2 at x = 0, 1, 2: y = 1, 6, 17.
    auto pts = Points({0, 1, 2}, {1, 6, 17});
    g::NormalEquations normal;
    std::vector<double> c(3);
    int npts = 3;
    ASSERT_TRUE(g::FitPolynomial(normal, 2, c, npts, pts));
    EXPECT_EQ(npts, 3);
    EXPECT_EQ(normal.degree, 2);
    EXPECT_NEAR(c[0], 1.0, 1e-12);
    EXPECT_NEAR(c[1], 2.0, 1e-12);
    EXPECT_NEAR(c[2], 3.0, 1e-12);
    // the fit leaves y * x^d in the points: 0, 6, 68
    EXPECT_EQ(pts[0].y, 0.0);
    EXPECT_EQ(pts[1].y, 6.0);
    EXPECT_EQ(pts[2].y, 68.0);

    // Least-squares line of the same points: mean x = 1, mean y = 8,
    // slope = sum (x-1)(y-8) / sum (x-1)^2 = (7 + 9) / 2 = 8, intercept 0.
    std::vector<double> line(2);
    ASSERT_TRUE(g::RefitPolynomial(normal, 1, line, npts));
    EXPECT_NEAR(line[0], 0.0, 1e-12);
    EXPECT_NEAR(line[1], 8.0, 1e-12);
}

TEST(FitPolynomial, AsManyCoefficientsAsPointsInterpolates) {
    // y = x^3 - 2x + 5 through x = -1, 0, 1, 2: y = 6, 5, 4, 9.
    auto pts = Points({-1, 0, 1, 2}, {6, 5, 4, 9});
    g::NormalEquations normal;
    std::vector<double> c(4);
    int npts = 4;
    ASSERT_TRUE(g::FitPolynomial(normal, 3, c, npts, pts));
    EXPECT_NEAR(c[0], 5.0, 1e-12);
    EXPECT_NEAR(c[1], -2.0, 1e-12);
    EXPECT_NEAR(c[2], 0.0, 1e-12);
    EXPECT_NEAR(c[3], 1.0, 1e-12);
}

TEST(FitPolynomial, RecoversAQuarticAtTenthPointsAndRefitsLowerDegrees) {
    // y = 0.5 - x + 0.25x^2 + 0.125x^3 - 0.0625x^4 at x = 1.0, 1.1, ..., 2.0.
    const double a[] = {0.5, -1.0, 0.25, 0.125, -0.0625};
    std::vector<double> xs, ys;
    for (int i = 0; i <= 10; ++i) {
        double x = 1.0 + i / 10.0;
        xs.push_back(x);
        ys.push_back(a[0] + x * (a[1] + x * (a[2] + x * (a[3] + x * a[4]))));
    }
    auto pts = Points(xs, ys);
    g::NormalEquations normal;
    std::vector<double> c(5);
    int npts = 11;
    ASSERT_TRUE(g::FitPolynomial(normal, 4, c, npts, pts));
    for (std::size_t k = 0; k < 5; ++k) EXPECT_NEAR(c[k], a[k], 1e-8) << k;

    // Lower degrees: least squares means the residuals are orthogonal to
    // every power of x up to the degree (sum r x^k = 0).
    for (int d : {3, 2, 1}) {
        std::vector<double> low(static_cast<std::size_t>(d + 1));
        ASSERT_TRUE(g::RefitPolynomial(normal, d, low, npts)) << d;
        for (int k = 0; k <= d; ++k) {
            double dot = 0, scale = 0;
            for (std::size_t i = 0; i < xs.size(); ++i) {
                double fit = 0;
                for (int j = d; j >= 0; --j) fit = fit * xs[i] + low[static_cast<std::size_t>(j)];
                dot += (ys[i] - fit) * std::pow(xs[i], k);
                scale += std::abs(ys[i]) * std::pow(xs[i], k);
            }
            EXPECT_NEAR(dot / scale, 0.0, 1e-10) << "d=" << d << " k=" << k;
        }
    }
}

TEST(FitPolynomial, BadArgumentsFailAndKeepNoNormalEquations) {
    struct {
        const char* name;
        int d, npts;
        std::size_t coefficients;
    } cases[] = {
        {"DegreeZero", 0, 5, 5},
        {"Degree13", 13, 20, 14},
        {"DegreeEqualsPoints", 3, 3, 4},
        {"MorePointsThanGiven", 2, 9, 3},
        {"NoRoomForCoefficients", 2, 5, 2},
    };
    for (const auto& c : cases) {
        std::vector<g::FitPoint> pts(20);
        for (int i = 0; i < 20; ++i) pts[static_cast<std::size_t>(i)] = {i * 0.5, i * 1.0, 0};
        if (std::string(c.name) == "MorePointsThanGiven") pts.resize(5);
        g::NormalEquations normal;
        normal.degree = 7;  // left from an earlier fit
        std::vector<double> coeffs(c.coefficients);
        int npts = c.npts;
        EXPECT_FALSE(g::FitPolynomial(normal, c.d, coeffs, npts, pts)) << c.name;
        EXPECT_EQ(npts, 0) << c.name;
        EXPECT_EQ(normal.degree, -1) << c.name;
        EXPECT_EQ(pts[3].y, 3.0) << c.name;  // the data untouched
        // and no refit follows
        int again = 5;
        std::vector<double> low(2);
        EXPECT_FALSE(g::RefitPolynomial(normal, 1, low, again));
        EXPECT_EQ(again, 0);
    }
}

TEST(FitPolynomial, NonFiniteDataFails) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto pts : {Points({0, 1, 2, 3}, {1, nan, 2, 3}), Points({0, nan, 2, 3}, {1, 1, 2, 3}),
                     Points({0, 1, 2, 3}, {1, std::numeric_limits<double>::infinity(), 2, 3})}) {
        g::NormalEquations normal;
        std::vector<double> c(3);
        int npts = 4;
        EXPECT_FALSE(g::FitPolynomial(normal, 2, c, npts, pts));
        EXPECT_EQ(npts, 0);
    }
}

TEST(FitPolynomial, TooFewDistinctXFailsInsteadOfFittingRoundingNoise) {
    // A parabola needs three distinct x values. The fit fails, but keeps its
    // normal equations, from which the least-squares line still follows.
    struct {
        std::vector<double> xs, ys;
        double intercept, slope;
    } cases[] = {
        // Five points (weights repeat them) at two x values, on y = 1 + 2x.
        // The sums of powers of 0.1 and 0.3 are inexact, so elimination
        // would not meet an exact zero pivot.
        {{0.1, 0.1, 0.3, 0.3, 0.3}, {1.2, 1.2, 1.6, 1.6, 1.6}, 1.0, 2.0},
        // (1, 2), (1, 4), (3, 9): the line passes through the mean of the
        // first two, (1, 3), and the third point: slope 3, intercept 0.
        {{1, 1, 3}, {2, 4, 9}, 0.0, 3.0},
    };
    for (const auto& c : cases) {
        auto pts = Points(c.xs, c.ys);
        g::NormalEquations normal;
        std::vector<double> parabola(3, 0.0);
        int npts = static_cast<int>(pts.size());
        EXPECT_FALSE(g::FitPolynomial(normal, 2, parabola, npts, pts));
        EXPECT_EQ(npts, 0);
        EXPECT_EQ(normal.degree, 2);
        std::vector<double> line(2);
        int again = 5;
        ASSERT_TRUE(g::RefitPolynomial(normal, 1, line, again));
        EXPECT_NEAR(line[0], c.intercept, 1e-12);
        EXPECT_NEAR(line[1], c.slope, 1e-12);
    }
}

TEST(RefitPolynomial, OnlyBelowTheDegreeOfTheLastFit) {
    auto pts = Points({0, 1, 2, 3}, {1, 3, 5, 8});
    g::NormalEquations normal;
    std::vector<double> c(4);
    int npts = 4;
    ASSERT_TRUE(g::FitPolynomial(normal, 2, c, npts, pts));
    for (int d : {0, 2, 3, -1}) {
        int n = 4;
        EXPECT_FALSE(g::RefitPolynomial(normal, d, c, n)) << d;
        EXPECT_EQ(n, 0);
    }
    g::NormalEquations fresh;
    int n = 4;
    EXPECT_FALSE(g::RefitPolynomial(fresh, 1, c, n));
}

// A(i, j) column-major with leading dimension ld.
std::vector<double> ColumnMajor(const std::vector<std::vector<double>>& rows, int ld) {
    std::vector<double> a(static_cast<std::size_t>(ld) * rows[0].size(), -99.0);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            a[i + j * static_cast<std::size_t>(ld)] = rows[i][j];
    return a;
}

TEST(SolveLinearSystem, SolvesWithCompletePivotingAndGivesTheDeterminant) {
    // A = [0 2 1; 1 -1 0; 3 0 2] (a zero in the corner needs a pivot swap),
    // det A = 0(-2) - 2(2) + 1(3) = -1. Right-hand sides for x = (1, 2, 3)
    // and x = (-1, 0, 5): b = (7, -1, 9) and (5, -1, 7).
    auto a = ColumnMajor({{0, 2, 1}, {1, -1, 0}, {3, 0, 2}}, 4);
    std::vector<double> b{7, -1, 9, 5, -1, 7};
    std::vector<double> x(6, 0.0);
    double det = g::SolveLinearSystem(3, a, 4, x, 3, b, 3, 2).determinant;
    EXPECT_NEAR(det, -1.0, 1e-12);
    const double expected[] = {1, 2, 3, -1, 0, 5};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(x[static_cast<std::size_t>(i)], expected[i], 1e-12) << i;
}

TEST(SolveLinearSystem, RefusesWhatItCannotSolve) {
    auto a = ColumnMajor({{1, 2}, {3, 4}}, 2);
    std::vector<double> b{1, 1, 1, 1};
    std::vector<double> x(4, 42.0);
    auto singular = ColumnMajor({{1, 2}, {2, 4}}, 2);
    auto withNaN = ColumnMajor({{1, std::numeric_limits<double>::quiet_NaN()}, {3, 4}}, 2);
    EXPECT_EQ(g::SolveLinearSystem(1, a, 2, x, 1, b, 2, 1).determinant, 0.0);  // one equation
    EXPECT_EQ(g::SolveLinearSystem(2, a, 2, x, 1, b, 2, 0).determinant, 0.0);  // no right-hand side
    EXPECT_EQ(g::SolveLinearSystem(2, a, 1, x, 1, b, 2, 1).determinant, 0.0);  // ldA below n
    EXPECT_EQ(g::SolveLinearSystem(2, a, 2, x, 1, b, 2, 2).determinant,
              0.0);  // ldX below n, two sides
    EXPECT_EQ(g::SolveLinearSystem(2, singular, 2, x, 1, b, 2, 1).determinant, 0.0);
    EXPECT_EQ(g::SolveLinearSystem(2, withNaN, 2, x, 1, b, 2, 1).determinant, 0.0);
    EXPECT_EQ(g::SolveLinearSystem(3, a, 3, x, 1, b, 3, 1).determinant, 0.0);  // spans too short
    std::vector<double> wide(16002, 0.0);
    wide[0] = 1;
    wide[16000 + 1] = 1;
    EXPECT_EQ(g::SolveLinearSystem(2, wide, 16000, x, 1, b, 2, 1).determinant,
              0.0);                         // (ldA + m) n >= 32001
    for (double v : x) EXPECT_EQ(v, 42.0);  // X untouched
    // the same wide layout just inside the limit solves
    std::vector<double> narrower(16001, 0.0);
    narrower[0] = 1;
    narrower[15999 + 1] = 1;
    EXPECT_EQ(g::SolveLinearSystem(2, narrower, 15999, x, 1, b, 2, 1).determinant, 1.0);
}

TEST(SolveLinearSystem, StatusSaysWhetherItSolvedAndWhyNot) {
    // A = [2 0; 0 3]: det 6, x = (1, 1) for b = (2, 3).
    auto a = ColumnMajor({{2, 0}, {0, 3}}, 2);
    std::vector<double> b{2, 3};
    std::vector<double> x(2, 0.0);
    const g::LinearSolve solved = g::SolveLinearSystem(2, a, 2, x, 1, b, 2, 1);
    EXPECT_TRUE(solved.Solved());
    EXPECT_EQ(solved.status, g::SolveStatus::Solved);
    EXPECT_NEAR(solved.determinant, 6.0, 1e-12);
    // [1 2; 2 4]: the second row is twice the first.
    auto singular = ColumnMajor({{1, 2}, {2, 4}}, 2);
    EXPECT_EQ(g::SolveLinearSystem(2, singular, 2, x, 1, b, 2, 1).status, g::SolveStatus::Singular);
    auto withNaN = ColumnMajor({{1, std::numeric_limits<double>::quiet_NaN()}, {3, 4}}, 2);
    EXPECT_EQ(g::SolveLinearSystem(2, withNaN, 2, x, 1, b, 2, 1).status, g::SolveStatus::Singular);
    EXPECT_EQ(g::SolveLinearSystem(1, a, 2, x, 1, b, 2, 1).status, g::SolveStatus::Refused);
    EXPECT_FALSE(g::SolveLinearSystem(2, a, 1, x, 1, b, 2, 1).Solved());
}

}  // namespace

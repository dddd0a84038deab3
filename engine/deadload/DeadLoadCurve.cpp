#include "engine/deadload/DeadLoadCurve.hpp"

#include <algorithm>
#include <cmath>

#include "engine/geometry/Tolerance.hpp"

namespace quillon::engine {

namespace {

constexpr int kLastTenth = kTenthPoints - 1;
constexpr double kBaseTolerance = 0.000001;

// The shape tests of the tries.
constexpr double kLeastInflectionGap = 0.1;  // quartic: inflection points apart, in x
constexpr double kMostInflectionGap = 1.9;
constexpr double kLeastInflectionMiddle = 1.1;  // quartic: their midpoint
constexpr double kMostInflectionMiddle = 1.9;
constexpr double kLeastCubicInflection = 0.7;  // cubic: its inflection point
constexpr double kMostCubicInflection = 2.3;

// Second-degree test, and the straight line refitted when it fails.
void SecondDegreeTest(geometry::NormalEquations& normal, DeflectionFit& fit, double tolerance,
                      int& npts) {
    if (std::fabs(fit.c[2]) > tolerance) {
        fit.degree = FitDegree::Quadratic;
        return;
    }
    fit.c[1] = fit.c[2] = 0.0;
    fit.degree =
        geometry::RefitPolynomial(normal, 1, fit.c, npts) ? FitDegree::Straight : FitDegree::None;
}

bool QuarticShapeHolds(const std::array<double, 5>& c, double tolerance) {
    if (!(std::fabs(c[4]) >= tolerance / 4.0)) return false;
    const double middle = -c[3] / (4.0 * c[4]);
    const double gap =
        std::sqrt(std::max(0.0, 9.0 * c[3] * c[3] - 24.0 * c[2] * c[4])) / std::fabs(6.0 * c[4]);
    return gap > kLeastInflectionGap && gap < kMostInflectionGap &&
           middle > kLeastInflectionMiddle && middle < kMostInflectionMiddle;
}

bool CubicShapeHolds(const std::array<double, 5>& c, double tolerance) {
    if (!(std::fabs(c[3]) >= tolerance / 2.0)) return false;
    const double inflection = -c[2] / (3.0 * c[3]);
    return inflection > kLeastCubicInflection && inflection < kMostCubicInflection;
}

}  // namespace

int EndMode(const std::vector<DeadLoadRecord>& records, size_t first, int cards) {
    int mode = 0;
    if (!IsGiven(records[first].deflections[0])) mode += 1;
    const size_t last = first + static_cast<size_t>(std::max(cards, 1)) - 1;
    if (!IsGiven(records[last].deflections[kLastTenth])) mode += 2;
    return mode;
}

double FitTolerance(int endMode) { return kBaseTolerance / std::ldexp(1.0, endMode); }

int EndWeight(int cards) {
    constexpr int kLeast = 10, kMost = 40;
    return std::clamp(110 - 5 * cards, kLeast, kMost);
}

DeflectionPoints GatherDeflections(const std::vector<DeadLoadRecord>& records, size_t first,
                                   int cards, int endMode) {
    DeflectionPoints out;
    const int endWeight = EndWeight(cards);
    for (int j = 1; j <= cards; ++j) {
        const DeadLoadRecord& record = records[first + static_cast<size_t>(j - 1)];
        if (j > 1) {
            const double before =
                records[first + static_cast<size_t>(j - 2)].deflections[kLastTenth];
            const double here = record.deflections[0];
            if (IsGiven(before) && IsGiven(here)) {
                if (geometry::CompareWithTolerance(before, here, kSamePointDeflection) != 0)
                    out.events.push_back(GatherEvent::InconsistentDeflections);
                --out.given;
            }
        }
        for (int k = 0; k <= kLastTenth; ++k) {
            const double deflection = record.deflections[static_cast<size_t>(k)];
            if (!IsGiven(deflection)) continue;
            ++out.given;
            const double x = (10.0 * (j - 1) + k) / (10.0 * cards) + 1.0;
            double y = deflection;
            if (endMode % 2 == 1) y /= (x - 1.0);
            if (endMode >= 2) y /= (x - 2.0);
            const bool end = (j == 1 && k == 0) || (j == cards && k == kLastTenth);
            const int weight = end ? endWeight : 1;
            for (int w = 0; w < weight; ++w) {
                if (static_cast<int>(out.points.size()) >= kMostFitPoints) {
                    out.events.push_back(GatherEvent::TooManyValues);
                    return out;
                }
                out.points.push_back({x, y, 0.0});
            }
        }
    }
    return out;
}

DeflectionFit FitDeflections(DeflectionPoints& gathered, double tolerance) {
    DeflectionFit fit;
    std::array<double, 5>& c = fit.c;
    std::vector<geometry::FitPoint>& points = gathered.points;
    geometry::NormalEquations normal;
    int npts = static_cast<int>(points.size());
    if (gathered.given >= 5) {
        geometry::FitPolynomial(normal, 4, c, npts, points);
        if (QuarticShapeHolds(c, tolerance)) {
            fit.degree = FitDegree::Quartic;
            return fit;
        }
        c[3] = c[4] = 0.0;
        geometry::RefitPolynomial(normal, 3, c, npts);
        if (CubicShapeHolds(c, tolerance)) {
            fit.degree = FitDegree::Cubic;
            return fit;
        }
        c[2] = c[3] = 0.0;
        geometry::RefitPolynomial(normal, 2, c, npts);
        SecondDegreeTest(normal, fit, tolerance, npts);
        return fit;
    }
    fit.notEnoughValues = true;
    if (gathered.given >= 3) {
        fit.secondDegreeTry = true;
        geometry::FitPolynomial(normal, 2, c, npts, points);
        SecondDegreeTest(normal, fit, tolerance, npts);
    } else if (gathered.given == 2 && !points.empty()) {
        const geometry::FitPoint& a = points.front();
        const geometry::FitPoint& b = points.back();
        c[1] = b.x != a.x ? (b.y - a.y) / (b.x - a.x) : 0.0;
        c[0] = a.y - a.x * c[1];
        fit.degree = FitDegree::TwoValues;
    } else if (gathered.given == 1 && !points.empty()) {
        c[0] = points.front().y;
        fit.degree = FitDegree::OneValue;
    }
    return fit;
}

DeadLoadCurveTerms CurveInSpanFraction(const std::array<double, 5>& c, int endMode) {
    DeadLoadCurveTerms terms;
    std::array<double, kCurveTerms>& a = terms.fitted;
    a[0] = c[0] + c[1] + c[2] + c[3] + c[4];
    a[1] = c[1] + 2.0 * c[2] + 3.0 * c[3] + 4.0 * c[4];
    a[2] = c[2] + 3.0 * c[3] + 6.0 * c[4];
    a[3] = c[3] + 4.0 * c[4];
    a[4] = c[4];
    std::array<double, kCurveTerms>& r = terms.curve;
    r = a;
    if (endMode % 2 == 1) {  // times t
        for (int k = kCurveTerms - 1; k >= 1; --k)
            r[static_cast<size_t>(k)] = r[static_cast<size_t>(k - 1)];
        r[0] = 0.0;
    }
    if (endMode >= 2) {  // times (t - 1)
        for (int k = kCurveTerms - 1; k >= 1; --k)
            r[static_cast<size_t>(k)] = r[static_cast<size_t>(k - 1)] - r[static_cast<size_t>(k)];
        r[0] = -r[0];
    }
    return terms;
}

double EvaluateCurve(const std::array<double, kCurveTerms>& a, double t) {
    double value = 0.0;
    for (int k = kCurveTerms - 1; k >= 0; --k) value = value * t + a[static_cast<size_t>(k)];
    return value;
}

}  // namespace quillon::engine

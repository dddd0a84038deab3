#include "engine/alignment/PointElevation.hpp"

#include <algorithm>
#include <cmath>

#include "engine/alignment/ElevationListing.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// Points closer than this (feet) to the profile control line or the crown
// edge are on it.
constexpr double kOnLine = 0.0002;

double Side(const CrossSlopeRow& row, CrossSlopeSide side) {
    return side == CrossSlopeSide::Right ? row.right : row.left;
}
double SideStart(const CrossSlopeRow& row, CrossSlopeSide side) {
    return side == CrossSlopeSide::Right ? row.startRight : row.startLeft;
}
double SideEnd(const CrossSlopeRow& row, CrossSlopeSide side) {
    return side == CrossSlopeSide::Right ? row.endRight : row.endLeft;
}

// Codes 1-4: elevation above the profile grade and slope at offset x (feet,
// >= 0) on `side`, given the profile elevation.
void CrownedSection(const CrossSlopeBreakTable& table, double profile, double station,
                    CrossSlopeSide side, double x, double& elevation, double& slope) {
    const int n = table.count;
    const auto& rows = table.rows;
    const CrossSlopeSide pivotSide = table.pivotLeft ? CrossSlopeSide::Left : CrossSlopeSide::Right;
    const double w = table.pivotOffset;
    if (n <= 1 || rows.size() < static_cast<size_t>(n)) {
        slope = rows.empty() ? 0.0 : Side(rows[0], side);
        elevation = profile + x * slope;
        return;
    }
    const double base = profile + table.pivotDrop;
    const CrossSlopeRow& last = rows[static_cast<size_t>(n - 1)];
    if (station >= last.station + last.vcLength) {
        slope = Side(last, side);
        elevation = base - w * Side(last, pivotSide) + x * slope;
        return;
    }
    double sR = CrossSlopeAt(table, station, CrossSlopeSide::Right);
    double sL = table.crownCode <= 2 ? -sR : CrossSlopeAt(table, station, CrossSlopeSide::Left);
    slope = side == CrossSlopeSide::Right ? sR : sL;
    elevation = base + (x - w) * slope;
    if (side != pivotSide) elevation += (2.0 * slope - sL - sR) * w;
}

// The cross-slope text of codes 1-4.
void WriteCrownedSlope(std::span<char, 10> text, int crownCode, double x, double slope) {
    if (x > kOnLine) {
        ff::WriteF(text, slope, 6);
    } else if (crownCode >= 3 || std::fabs(slope) > 0.99) {
        ff::WriteA(text, "");
    } else {
        // The sign and the leading "0" give way to "+/-".
        ff::WriteF(text, std::fabs(slope), 6, ff::PlusSign::Show);
        ff::WriteA(std::span<char>(text).first(3), "+/-");
    }
}

}  // namespace

double ProfileElevation(const VerticalProfile& p, double s) {
    const std::size_t nv = std::clamp<std::size_t>(p.nv, 2, 3);
    std::size_t m = nv;
    for (std::size_t k = 2; k <= nv; ++k) {
        if (p.sta[k] - p.l1[k] >= s) {
            m = k - 1;
            break;
        }
    }
    if (m <= 1) return p.elev[2] + (s - p.sta[2]) * p.gr[2];
    const double d = s - p.sta[m];
    const double l1 = p.l1[m], l2 = p.l2[m];
    if (d <= 0.0) {
        double e = p.elev[m] + d * p.gr[m];
        if (l1 > 0.0) e += (l2 / l1) * p.k[m] * (d + l1) * (d + l1);
        return e;
    }
    double e = p.elev[m] + d * p.gr[m + 1];
    if (d < l2) e += (l1 / l2) * p.k[m] * (l2 - d) * (l2 - d);
    return e;
}

double CrossSlopeAt(const CrossSlopeBreakTable& table, double s, CrossSlopeSide side) {
    const auto& rows = table.rows;
    if (rows.empty()) return 0.0;
    const int n = std::min<int>(table.count, static_cast<int>(rows.size()));
    if (n <= 1) return Side(rows[0], side);
    int i = 0;
    for (int r = 2; r <= n; ++r) {
        const CrossSlopeRow& row = rows[static_cast<size_t>(r - 1)];
        if (row.station + row.vcLength > s) {
            i = r;
            break;
        }
    }
    if (i == 0) return Side(rows[static_cast<size_t>(n - 1)], side);
    const CrossSlopeRow& row = rows[static_cast<size_t>(i - 1)];
    const double h = row.vcLength;
    if (row.station - h < s) {
        const double u = (s - row.station) / h;
        const double t = (s - row.station + h) / (2.0 * h);
        const double v = Side(row, side), a = SideStart(row, side), e = SideEnd(row, side);
        return v + u * (v - a) + t * t * (a + e - 2.0 * v);
    }
    const CrossSlopeRow& before = rows[static_cast<size_t>(i - 2)];
    const double span = row.station - before.station;
    if (span <= 0.0) return Side(row, side);
    const double f = (s - before.station) / span;
    return (1.0 - f) * Side(before, side) + f * Side(row, side);
}

double WritePointElevation(const RunState& state, const VerticalProfile& profile,
                           const CrossSlopeBreakTable& table, double profOffset,
                           const ValidDataLimits& limits, geometry::Pair point, double shift,
                           std::span<char, 10> elevationText, std::span<char, 10> crossSlopeText) {
    ff::WriteA(elevationText, "");
    ff::WriteA(crossSlopeText, "");
    const double q = point.real();
    const double s = point.imag();
    if (!(s >= limits.begin && s <= limits.end)) return 0.0;
    double x = q - profOffset;
    const CrossSlopeSide side = x > 0.0 ? CrossSlopeSide::Right : CrossSlopeSide::Left;
    x = std::fabs(x);
    const double grade = ProfileElevation(profile, s);
    double elevation = 0.0;
    double slope = 0.0;
    if (table.crownCode >= 1 && table.crownCode <= 4) {
        CrownedSection(table, grade, s, side, x, elevation, slope);
        WriteCrownedSlope(crossSlopeText, table.crownCode, x, slope);
    } else {
        const ParabolicCrown& c = table.crown;
        const double edgeSlope = side == CrossSlopeSide::Right ? c.slopeRight : c.slopeLeft;
        if (x < c.halfWidth) {
            slope = 2.0 * c.a * x;
            elevation = grade + c.a * x * x;
        } else {
            slope = edgeSlope;
            elevation = grade - c.height + (x - c.halfWidth) * slope;
        }
        bool atEdge = std::fabs(x - c.halfWidth) <= kOnLine &&
                      std::fabs(edgeSlope - 2.0 * c.halfWidth * c.a) >= 1e-7;
        if (!atEdge) ff::WriteF(crossSlopeText, slope, 6);
    }
    const double result = elevation + profile.baseElevation + shift;
    ff::WriteF(elevationText, ListedLength(state, result), 4);
    return result;
}

PointElevationResult PointElevation(const RunState& state, const VerticalProfile& profile,
                                    const CrossSlopeBreakTable& table, double profOffset,
                                    const ValidDataLimits& limits, geometry::Pair point,
                                    double shift) {
    PointElevationResult result;
    result.elevation = WritePointElevation(state, profile, table, profOffset, limits, point, shift,
                                           std::span<char, 10>(result.elevationText.data(), 10),
                                           std::span<char, 10>(result.crossSlopeText.data(), 10));
    return result;
}

}  // namespace quillon::engine

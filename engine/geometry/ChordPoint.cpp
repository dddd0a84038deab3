#include "engine/geometry/ChordPoint.hpp"

#include <algorithm>
#include <cmath>

#include "engine/geometry/StationOffset.hpp"

namespace quillon::geometry {

Pair PointAtChordDistance(const HorizontalAlignment& h, AlignmentFrame& frame, double q, double c,
                          Pair from, KernelStatus& status) {
    if (status.failed) return Pair(0.0, 0.0);
    if (!std::isfinite(q) || !std::isfinite(c)) {
        status.failed = true;
        return Pair(0.0, 0.0);
    }
    const Pair at = StationOffsetOfPoint(h, frame, from, status);
    if (status.failed) return Pair(0.0, 0.0);
    const double chord = std::abs(c);
    const double dq = q - at.real();
    if (std::abs(dq) >= std::max(0.999 * chord, chord - kChordMatch))
        return PointAtStationOffset(h, frame, Pair(q, at.imag()), status);

    // The chord's length along the station, for the wanted chord.
    const double along = std::sqrt(c * c - dq * dq);
    const double sign = c < 0.0 ? -1.0 : 1.0;
    double s = at.imag() + sign * along;
    for (int round = 0; round <= kMostChordRounds; ++round) {
        const Pair p = PointAtStationOffset(h, frame, Pair(q, s), status);
        if (status.failed) return Pair(0.0, 0.0);
        const double reached = std::abs(p - from);
        if (!std::isfinite(reached)) break;
        if (std::abs(reached - chord) <= kChordMatch) return p;
        s += sign * (along - std::sqrt(std::max(reached * reached - dq * dq, 0.0)));
    }
    status.failed = true;
    return Pair(0.0, 0.0);
}

}  // namespace quillon::geometry

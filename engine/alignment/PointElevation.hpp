// Elevation and cross slope of the roadway at any station and offset of a
// Problem, read from the vertical profile and the cross-slope break table.
//
// Units: stations internal (feet from the TS), offsets and elevations feet,
// slopes fractions (signed, positive rising away from the profile control
// line, crown or pivot on that side).
#pragma once

#include <span>
#include <string>

#include "engine/alignment/AlignmentCards.hpp"
#include "engine/alignment/CrossSlopeTable.hpp"
#include "engine/alignment/VerticalProfile.hpp"
#include "engine/geometry/Pair.hpp"
#include "engine/run/RunState.hpp"

namespace quillon::engine {

// Elevation of the profile grade line at `station`, relative to the base
// elevation: on the grade lines, and within a vertical curve on its parabola.
double ProfileElevation(const VerticalProfile& profile, double station);

enum class CrossSlopeSide { Left, Right };

// Cross slope of one side at `station` from the finished break table: straight
// between breaks, parabolic within each transition curve.
double CrossSlopeAt(const CrossSlopeBreakTable& table, double station, CrossSlopeSide side);

struct PointElevationResult {
    double elevation = 0.0;                            // feet, in both builds
    std::string elevationText = std::string(10, ' ');  // F10.4; metres in the metric build
    std::string crossSlopeText = std::string(10, ' ');
};

// Finished-grade elevation of a point plus `shift` (feet), with its
// elevation and cross-slope texts. point = (offset from the horizontal
// control, station), as a pair (real part offset, imaginary part station).
// Outside the limits: elevation 0 and blank texts.
PointElevationResult PointElevation(const RunState& state, const VerticalProfile& profile,
                                    const CrossSlopeBreakTable& table, double profOffset,
                                    const ValidDataLimits& limits, geometry::Pair point,
                                    double shift);
// The same with the two texts written into fields of a record; returns the
// elevation.
double WritePointElevation(const RunState& state, const VerticalProfile& profile,
                           const CrossSlopeBreakTable& table, double profOffset,
                           const ValidDataLimits& limits, geometry::Pair point, double shift,
                           std::span<char, 10> elevationText, std::span<char, 10> crossSlopeText);

}  // namespace quillon::engine

// Entering the station equation of a Problem from its back and ahead
// stations. The alignment card reader reports an invalid equation; the
// resolution of deck stations and the station texts are in StationText.hpp.
#pragma once

#include "engine/run/RunState.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

enum class EquationEntry {
    None,     // back station 0 or less, or ahead within 0.00014 ft of back
    Entered,  // `equation` holds the equation
    Invalid,  // an overlap of 1,000,000 ft or more, in both builds
};

struct EnteredEquation {
    EquationEntry entry = EquationEntry::None;
    StationEquation equation;
};

// Lengths shorter than this (feet) are no equation.
inline constexpr double kNoEquationLength = 0.00014;

// Printed stations take the shift from this much below the back station
// (feet): half the tolerance with which a deck station counts as past the
// equation, so that an ahead station, resolved onto the back station and
// printed again, shows as the ahead station whatever the rounding of
// origin + distance.
inline constexpr double kSwitchBelowBack = 0.00000005;

// back, ahead: deck stations (feet). The equation's length is ahead - back and
// its switch position just below the back station. A gap (ahead past back) shifts printed
// stations by its length; an overlap shifts them by one million stationing
// units less the overlap, so that stations past it print with the equation
// number 1 in their millions: 1,000,000 ft in QlEngl, 1,000,000 m (expressed
// in feet) in QlMetr, each divided by the run's station divisor. An overlap
// is invalid when 1,000,000 ft (divided by the divisor) less the overlap is
// 0 or less, in both builds, so that QlEngl and QlMetr accept and refuse the
// same decks.
EnteredEquation MakeStationEquation(const RunState& state, double backStation, double aheadStation);

}  // namespace quillon::engine

// Angles: pi, degrees, minutes and seconds in and out, and normalising.
//
// Angles are radians in every computation; cards give them as degrees,
// minutes and seconds, the listing prints them so. Nothing else converts
// between the two.
#pragma once

#include <cmath>
#include <numbers>

namespace quillon::angles {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kHalfPi = std::numbers::pi / 2.0;

// Minutes of arc in a quarter turn.
inline constexpr double kMinutesPerQuarterTurn = 5400.0;

// An angle of degrees, minutes and seconds in radians, the parts taken as
// absolute values (a card's direction column gives the sign):
// ((|s|/60 + |m|)/60 + |d|) * (pi/2) / 90.
inline double AngleFromDegreesMinutesSeconds(double degrees, double minutes, double seconds) {
    return ((std::fabs(seconds) / 60.0 + std::fabs(minutes)) / 60.0 + std::fabs(degrees)) *
           kHalfPi / 90.0;
}

// The size of an angle in minutes of arc: |radians| * 5400 / (pi/2).
inline double MinutesOfArc(double radians) {
    return std::fabs(radians) * kMinutesPerQuarterTurn / kHalfPi;
}

struct DegreesMinutesSeconds {
    long long degrees = 0;
    long long minutes = 0;  // 0-59
    double seconds = 0.0;   // 0 up to `secondsCarry`
};

// The size of an angle given in minutes of arc (0 up to 1e12, where whole
// minutes are still exact) as whole degrees, whole minutes and seconds.
// Seconds at or above `secondsCarry` count as the next whole minute: a text
// that shows seconds to two decimals carries what would print as 60.00.
inline DegreesMinutesSeconds SplitMinutesOfArc(double minutesOfArc, double secondsCarry = 60.0) {
    long long wholeMinutes = static_cast<long long>(minutesOfArc);
    double seconds = (minutesOfArc - static_cast<double>(wholeMinutes)) * 60.0;
    if (seconds >= secondsCarry) {
        seconds = 0.0;
        ++wholeMinutes;
    }
    const long long degrees = wholeMinutes / 60;
    return {degrees, wholeMinutes - 60 * degrees, seconds};
}

// An angle between -3pi/2 and 3pi/2 brought into -pi/2 .. pi/2 by adding or
// subtracting pi (a line's direction either way along it).
inline double WithinQuarterTurn(double radians) {
    if (std::abs(radians) > kHalfPi) radians -= std::copysign(kPi, radians);
    return radians;
}

// An angle brought into -pi .. pi (pi itself included, -pi not) by whole
// turns: a direction's angle. Non-finite angles stay as they are.
inline double WithinHalfTurn(double radians) {
    if (!std::isfinite(radians)) return radians;
    radians = std::remainder(radians, 2.0 * kPi);
    if (radians <= -kPi) radians += 2.0 * kPi;
    return radians;
}

}  // namespace quillon::angles

#include "converters/projcoord/ProjectCoordinates.hpp"

#include <cmath>

namespace quillon::converters::projcoord {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerMinute = 0.016666666666666666;
constexpr double kDegreesPerSecond = 0.0002777777777777778;

}  // namespace

std::optional<double> BearingToRotation(const Bearing& bearing) {
    double theta = (bearing.degrees + bearing.minutes * kDegreesPerMinute +
                    bearing.seconds * kDegreesPerSecond) *
                   kRadiansPerDegree;
    bool north = bearing.northSouth == 'N';
    bool east = bearing.eastWest == 'E';
    if (!north && bearing.northSouth != 'S') return std::nullopt;
    if (!east && bearing.eastWest != 'W') return std::nullopt;
    double fromNorth = north ? theta : kPi - theta;
    return east ? fromNorth : -fromNorth;
}

ProjectPoint ToProjectCoordinates(double x, double y, const ProjectFrame& frame) {
    double r = std::sqrt(x * x + y * y);
    double phi = x != 0.0 ? std::atan(y / x) : (y >= 0.0 ? kPi / 2 : -kPi / 2);
    double alpha = frame.rotation + (kPi / 2 - phi);
    if (x < 0.0) alpha += kPi;
    return {frame.northingOffset + r * std::cos(alpha), frame.eastingOffset + r * std::sin(alpha)};
}

}  // namespace quillon::converters::projcoord

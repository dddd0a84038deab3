// Project coordinates of a layout point: the layout frame (X, Y in feet, from
// the layout line) turned by a bearing and moved by northing and easting
// offsets.
//
// The layout's Y axis points along the bearing and its X axis to the right of
// it, so a point (X, Y) lies r = sqrt(X^2 + Y^2) from the layout origin at
// the azimuth (measured from north, clockwise)
//     alpha = rotation + (pi/2 - atan(Y / X))          X >= 0
//     alpha = rotation + (pi/2 - atan(Y / X)) + pi     X < 0
// (atan(Y / X) read as +-pi/2 on the Y axis), and
//     northing = N0 + r cos(alpha),  easting = E0 + r sin(alpha).
#pragma once

#include <optional>

namespace quillon::converters::projcoord {

// A bearing as the designer types it: N or S, degrees, minutes, seconds, E or
// W. Letters are upper case here; the angle is not range-checked.
struct Bearing {
    char northSouth = 'N';  // 'N' or 'S'
    int degrees = 0;        // whole degrees
    int minutes = 0;        // whole minutes
    double seconds = 0.0;   // seconds of arc, with decimals
    char eastWest = 'E';    // 'E' or 'W'
};

// The rotation of the layout's Y axis from north, in radians, clockwise
// positive: with theta the bearing's angle, N..E gives theta, N..W -theta,
// S..E pi - theta and S..W -(pi - theta). Nothing for any other pair of
// letters.
std::optional<double> BearingToRotation(const Bearing& bearing);

// The rotation and the translation of one run.
struct ProjectFrame {
    double rotation = 0.0;        // radians, from BearingToRotation
    double northingOffset = 0.0;  // N0, feet
    double eastingOffset = 0.0;   // E0, feet
};

struct ProjectPoint {
    double northing = 0.0;  // feet
    double easting = 0.0;   // feet
};

// The project coordinates of the layout point (x, y), in feet.
ProjectPoint ToProjectCoordinates(double x, double y, const ProjectFrame& frame);

}  // namespace quillon::converters::projcoord

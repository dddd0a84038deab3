// Stationing of a Problem's alignment: the station of the internal origin and
// the station equation. Stations on cards are deck stations (feet); every
// computation works on internal distances from the origin (feet).
#pragma once

#include <vector>

namespace quillon::engine {

struct StationEquation {
    double backStation = 0.0;     // E: back station, deck stationing (feet)
    double length = 0.0;          // J = ahead - back (negative: overlapping stationing)
    double switchPosition = 0.0;  // station from which the station text adds the shift
    double shift = 0.0;           // what the station text adds past the equation
};

struct Stationing {
    double originStation = 0.0;              // station of internal distance 0 (the TS)
    std::vector<StationEquation> equations;  // in order; a deck enters at most one
    int usedCount = 0;                       // equations counted as used
};

}  // namespace quillon::engine

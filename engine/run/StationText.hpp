// Station and angle texts of the listing, and the station-equation
// resolution; ConvertLength (LengthUnits.hpp) comes with them.
#pragma once

#include <span>
#include <string>

#include "engine/run/EngineRun.hpp"
#include "engine/run/LengthUnits.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine {

// Two 10-character texts printed side by side (13 characters carry the value).
struct TextPair {
    std::string first;
    std::string second;
};

// The two texts side by side, written into a record's two 10-character slots.
using StationChars = std::span<char, 20>;

// The station of an internal distance (feet), with every equation whose
// position the station has reached applied; metres in the metric build.
void WriteStationText(const RunState& state, const Stationing& stationing, double distance,
                      StationChars out);
TextPair MakeStationText(const RunState& state, const Stationing& stationing, double distance);
// The same with the shifts of all equations counted as used, without the
// position test.
TextPair MakeStationTextAllEquations(const RunState& state, const Stationing& stationing,
                                     double distance);
// Degrees, minutes and seconds of a signed angle in radians.
TextPair MakeAngleText(double radians);

// A deck station without equations; reports an ambiguous or nonexistent
// station in the listing (naming the card type) and still resolves it.
double ResolveStation(EngineRun& run, const Stationing& stationing, double station, int cardType);
// ResolveStation minus the station of the internal origin.
double StationToDistance(EngineRun& run, const Stationing& stationing, double station,
                         int cardType);

}  // namespace quillon::engine

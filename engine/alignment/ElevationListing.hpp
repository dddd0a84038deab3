// Small pieces the profile and cross-slope sections of the listing share: a
// length as the listing prints it, the station text of a table column, and
// the framed message box.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/run/EngineRun.hpp"
#include "engine/run/StationText.hpp"

namespace quillon::engine {

// A length (feet) as the listing prints it: metres in the metric build, feet
// as held in the English build.
inline double ListedLength(const RunState& state, double feet) {
    if (state.variant != EngineVariant::Metric) return feet;
    return ConvertLength(state.units.fromUnit, state.units.toUnit, kSurveyFoot, feet);
}

// The station text of an internal station as a table prints it: the first
// 10 characters and the first `tail` characters of the second half.
inline std::string StationColumnText(const RunState& state, const Stationing& stationing,
                                     double station, int tail) {
    TextPair text = MakeStationText(state, stationing, station);
    std::string second = text.second;
    second.resize(10, ' ');
    return text.first + second.substr(0, static_cast<size_t>(tail));
}

// A message box after one empty line: the frame, one line per message
// (column, text), the frame. The page control is asked for room for all of it.
inline void WriteMessageBox(EngineRun& run, const std::vector<std::pair<int, std::string>>& lines) {
    int count = static_cast<int>(lines.size()) + 3;
    run.listing.WritePageHeading(count, count);
    run.listing.WriteEmpty();
    run.listing.Write(ErrorBoxLine());
    for (const auto& line : lines) run.listing.Write(ErrorBoxLine({line}));
    run.listing.Write(ErrorBoxLine());
}

// One line counted on the current page.
inline void WriteCounted(EngineRun& run, const std::string& record) {
    run.listing.WritePageHeading(0, 1);
    run.listing.Write(record);
}

}  // namespace quillon::engine

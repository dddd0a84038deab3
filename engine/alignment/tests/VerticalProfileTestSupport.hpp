// An engine run held in memory for the profile, cross-slope and elevation
// tests: the listing goes to a string, and the lines after the title block
// of page 1 can be looked at one by one.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/run/EngineRun.hpp"
#include "engine/run/Stationing.hpp"

namespace quillon::engine::testing {

struct MemoryRun {
    explicit MemoryRun(EngineVariant variant = EngineVariant::English) : run(variant, listing, {}) {
        if (variant == EngineVariant::Metric) run.state.units = LengthUnits{'\'', 'm'};
    }

    // The listing's lines after the six heading records of page 1.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(listing.str());
        std::string line;
        int skipped = 0;
        while (std::getline(in, line)) {
            if (skipped < 6) {
                ++skipped;
                continue;
            }
            lines.push_back(line);
        }
        return lines;
    }

    // The first line from `from` on that holds `text`, or -1.
    int Find(const std::string& text, int from = 0) const {
        auto lines = Lines();
        for (int i = from; i < static_cast<int>(lines.size()); ++i)
            if (lines[static_cast<size_t>(i)].find(text) != std::string::npos) return i;
        return -1;
    }

    std::ostringstream listing;
    EngineRun run;
    Stationing stationing;  // origin 0, no equation: internal station = deck station
};

// Columns first..last (1-based, inclusive) of a listing line, padded with blanks.
inline std::string Cols(const std::string& line, int first, int last) {
    std::string padded = line;
    if (static_cast<int>(padded.size()) < last) padded.resize(static_cast<size_t>(last), ' ');
    return padded.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
}

}  // namespace quillon::engine::testing

// Cards and listing records for the tests of the segmented girder lines,
// the secondary reference lines and the type 4 girder lines: 05 and 06
// cards from their fields, records from texts at their columns, and the
// bent lines of the line set by name.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LineSetTestSupport.hpp"

namespace quillon::engine::segmentedtest {

using linesettest::Card;
using linesettest::Fields;
using linesettest::LineSetRun;
using linesettest::With;

inline constexpr double kMetre = 0.3048006096012192;  // metres per US survey foot

// A record of texts at their columns (column 1 is the carriage control).
inline std::string At(const Fields& fields) { return With(std::string(), fields); }

// A 05 card: line type, initial offset and its type, name, further fields.
inline std::string Girder(const std::string& type, const std::string& offset,
                          const std::string& offsetType, const std::string& name,
                          const Fields& more = {}) {
    return With(Card({{1, "05"}, {3, type}, {4, offset}, {12, offsetType}, {30, name}}), more);
}

// A 06 card: distance, distance type, name, further fields.
inline std::string Bent(const std::string& distance, const std::string& distanceType,
                        const std::string& name, const Fields& more = {}) {
    return With(Card({{1, "06"}, {3, distance}, {11, distanceType}, {29, name}}), more);
}

// The slot of the bent line named `name` (0 when none).
inline int SlotNamed(const LineSetState& lineSet, std::string name) {
    name.resize(10, ' ');
    for (int k = 1; k <= lineSet.bents.Count(); ++k)
        if (lineSet.bents.Slot(k).description == name) return k;
    return 0;
}

// The names of the bent-line order, trailing blanks removed.
inline std::vector<std::string> OrderNames(const LineSetState& lineSet) {
    std::vector<std::string> names;
    for (const BentOrderEntry& entry : lineSet.bentLineOrder) {
        std::string name = lineSet.bents.Slot(entry.slot).description;
        name.erase(name.find_last_not_of(' ') + 1);
        names.push_back(name);
    }
    return names;
}

// The run of a line set with the engine's own steps.
inline std::unique_ptr<LineSetRun> RunLineSet(const std::vector<std::string>& alignment,
                                              const std::vector<std::string>& cards,
                                              EngineVariant variant = EngineVariant::English) {
    auto run = std::make_unique<LineSetRun>(alignment, cards, variant);
    EXPECT_TRUE(run->Run());
    return run;
}

// The number of listing lines that hold `text`.
inline int CountLines(const LineSetRun& run, const std::string& text) {
    int count = 0;
    for (const std::string& line : run.Lines())
        if (line.find(text) != std::string::npos) ++count;
    return count;
}

}  // namespace quillon::engine::segmentedtest

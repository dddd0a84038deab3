// Test support: rows of a longitudinal table laid out in the listing's
// columns (name 2-11, ELEVATION F10.4 41-50, X F12.4 60-71, Y F12.4 72-83),
// and small stick figures made of them.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "converters/common/tests/PlacedText.hpp"
#include "converters/stick/StickFigure.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::converters::stick::testing {

// A line with each text placed from its column on.
inline std::string Line(std::initializer_list<std::pair<int, std::string>> pieces) {
    return converters::testing::PlacedText(pieces);
}

inline std::string RowText(const std::string& name, const Point3& p) {
    namespace ff = quillon::fixedform;
    return Line({{2, ff::PadRight(name, 10)},
                 {41, ff::FormatF(p.z, 10, 4)},
                 {60, ff::FormatF(p.x, 12, 4)},
                 {72, ff::FormatF(p.y, 12, 4)}});
}

// A kept row of the given name (its kind as the name starts) at the point.
inline ListingRow Row(const std::string& name, const Point3& p) {
    std::string text = RowText(name, p);
    std::optional<RowKind> kind = ClassifyRow(text);
    EXPECT_TRUE(kind.has_value()) << name;
    return {kind.value_or(RowKind::OtherCrossing), text, p};
}

inline LongitudinalLineEntry Entry(const std::string& name, std::vector<ListingRow> rows) {
    LongitudinalLineEntry line;
    line.name = name;
    line.rows = std::move(rows);
    return line;
}

inline std::vector<std::string> Records(const std::string& text) {
    std::vector<std::string> records;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) records.push_back(line);
    return records;
}

}  // namespace quillon::converters::stick::testing
